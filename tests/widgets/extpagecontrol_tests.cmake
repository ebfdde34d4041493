# Qt Test suite of the extended page control, one CTest entry per group.
add_executable(extpagecontrol_tests
  ${PROJECT_SOURCE_DIR}/tests/widgets/extpagecontrol_test_main.cpp
  ${PROJECT_SOURCE_DIR}/tests/widgets/extpagecontrol_test_rules.cpp
  ${PROJECT_SOURCE_DIR}/tests/widgets/extpagecontrol_test_drawing.cpp
  ${PROJECT_SOURCE_DIR}/tests/widgets/extpagecontrol_test_input.cpp)
target_link_libraries(extpagecontrol_tests PRIVATE corvane_extpage Qt6::Test)
corvane_warnings(extpagecontrol_tests)
foreach(group rules drawing input)
  add_test(NAME extpagecontrol.${group} COMMAND extpagecontrol_tests ${group})
  set_tests_properties(extpagecontrol.${group} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
