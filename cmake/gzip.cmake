# Compresses a file as Debian wants it: best compression, no name or time
# stamp inside, so that the same input gives the same bytes.
#   cmake -DGZIP=EXE -DINPUT=FILE -DOUTPUT=FILE.gz -P gzip.cmake
execute_process(COMMAND ${GZIP} -9 -n -c ${INPUT} OUTPUT_FILE ${OUTPUT}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip could not compress ${INPUT}")
endif()
