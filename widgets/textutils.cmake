# The text, file and message utilities: Qt Core only, for the core library
# (beans/) and everything above it.
add_library(corvane_textutils STATIC
  ${PROJECT_SOURCE_DIR}/widgets/textutils.cpp
  ${PROJECT_SOURCE_DIR}/widgets/textfile.cpp
  ${PROJECT_SOURCE_DIR}/widgets/memorypages.cpp
  ${PROJECT_SOURCE_DIR}/widgets/fileerror.cpp
  ${PROJECT_SOURCE_DIR}/widgets/fileattributes.cpp
  ${PROJECT_SOURCE_DIR}/widgets/regularfile.cpp
  ${PROJECT_SOURCE_DIR}/widgets/messages.cpp
)
target_include_directories(corvane_textutils PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(corvane_textutils PUBLIC Qt6::Core)
corvane_warnings(corvane_textutils)
