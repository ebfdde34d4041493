# Warnings for our own targets only; third-party headers come in as system includes.
function(corvane_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${CORVANE_WERROR}>:/WX>)
  else()
    # Shadowing, virtual calls through a base without a virtual destructor and
    # overloads that hide a virtual function have each caused faults here.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                                             $<$<COMPILE_LANGUAGE:CXX>:-Wshadow -Wnon-virtual-dtor -Woverloaded-virtual>
                                             $<$<BOOL:${CORVANE_WERROR}>:-Werror>)
  endif()
endfunction()
