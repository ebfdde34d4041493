# The extended page control: a tab widget that draws its own tabs.
add_library(corvane_extpage STATIC
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrol.h
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrol.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrolpages.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrolpaint.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontroldraw.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontroltypes.h
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrolerror.h
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrolerror.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrolversion.h
  ${PROJECT_SOURCE_DIR}/widgets/extpagecontrolversion.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extpagetabbar.h
  ${PROJECT_SOURCE_DIR}/widgets/extpagetabbar.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extpagetabaccess.cpp
  ${PROJECT_SOURCE_DIR}/widgets/extglyphs.h
  ${PROJECT_SOURCE_DIR}/widgets/extglyphs.cpp
  ${PROJECT_SOURCE_DIR}/widgets/exthottrack.h
  ${PROJECT_SOURCE_DIR}/widgets/exthottrack.cpp)
target_include_directories(corvane_extpage PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(corvane_extpage PUBLIC Qt6::Widgets)
if(WIN32)
  # The version resource of the common-controls library.
  target_link_libraries(corvane_extpage PRIVATE version)
endif()
corvane_warnings(corvane_extpage)
