# Qt Test programs for the small widgets, run on the offscreen platform.
foreach(name centre colorbutton filedrag hetreeview odpanel)
  add_executable(${name}_test ${PROJECT_SOURCE_DIR}/tests/widgets/${name}_test.cpp)
  target_link_libraries(${name}_test PRIVATE corvane_smallwidgets Qt6::Test)
  corvane_warnings(${name}_test)
  add_test(NAME ${name}_test COMMAND ${name}_test)
  set_tests_properties(${name}_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
