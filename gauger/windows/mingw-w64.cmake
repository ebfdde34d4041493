# Cross compiling for Windows with Debian's MinGW-w64 compilers (the "posix" thread
# variants); GAUGER_MINGW_TRIPLET names the target, e.g. i686-w64-mingw32.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${GAUGER_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GAUGER_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${GAUGER_MINGW_TRIPLET}-windres)

# Headers and libraries come from the target's own root, build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${GAUGER_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
