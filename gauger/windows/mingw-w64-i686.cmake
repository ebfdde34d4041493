# 32-bit Windows (x86, stdcall exports).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(GAUGER_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
