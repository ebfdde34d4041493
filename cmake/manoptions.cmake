# Fails when the program's --help names an option (--word or -x) that its
# manual page does not mention, so that no option goes undocumented.
#   cmake -DPROGRAM=EXE -DPAGE=PAGE.scd -DSTAMP=FILE -P manoptions.cmake
# STAMP is touched when every option is there.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
get_filename_component(name ${PROGRAM} NAME)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${name} --help failed (${status})")
endif()

# A dash that begins a word, then a letter: not the hyphen of "sub-folders".
# Brackets and semicolons would upset the lists below; they end words anyway.
string(REGEX REPLACE "[][;]" " " help "${help}")
set(word "A-Za-z0-9-")
string(REGEX MATCHALL "(^|[^${word}])--?[A-Za-z][${word}]*" found "${help}")
set(options "")
foreach(match IN LISTS found)
  string(REGEX REPLACE "^[^-]+" "" option "${match}")
  list(APPEND options ${option})
endforeach()
list(REMOVE_DUPLICATES options)
if(NOT options)
  message(FATAL_ERROR "found no options in the output of ${name} --help")
endif()

file(READ ${PAGE} page)
set(missing "")
foreach(option IN LISTS options)
  if(NOT page MATCHES "(^|[^${word}])${option}([^${word}]|$)")
    list(APPEND missing ${option})
  endif()
endforeach()
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "${PAGE} does not mention the option(s) ${missing} "
                      "that ${name} --help names: describe them in the manual page")
endif()
file(TOUCH ${STAMP})
