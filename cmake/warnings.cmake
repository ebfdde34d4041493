# Warnings for our own targets only; third-party headers come in as system includes.
function(corvane_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${CORVANE_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                                             $<$<BOOL:${CORVANE_WERROR}>:-Werror>)
  endif()
endfunction()
