# Turns a manual page's scdoc source into roff and a copy compressed as Debian
# wants it; the page is dated DATE, so that the same source gives the same page.
#   cmake -DSCDOC=EXE -DGZIP=EXE -DINPUT=PAGE.scd -DOUTPUT=PAGE.1 -DDATE=YYYY-MM-DD
#         -P scdoc.cmake
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_VARIABLE roff
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "scdoc could not read ${INPUT}")
endif()
string(REGEX REPLACE "(\n\\.TH \"[^\"]*\" \"[^\"]*\" )\"[^\"]*\"" "\\1\"${DATE}\"" roff "${roff}")
file(WRITE ${OUTPUT} "${roff}")
set(INPUT ${OUTPUT})
set(OUTPUT ${OUTPUT}.gz)
include(${CMAKE_CURRENT_LIST_DIR}/gzip.cmake)
