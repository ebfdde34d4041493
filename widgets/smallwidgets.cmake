# The small widgets: colour button, file drop target, sortable tree view and
# the owner-drawn panel.
add_library(corvane_smallwidgets STATIC
  ${PROJECT_SOURCE_DIR}/widgets/accessibility.cpp
  ${PROJECT_SOURCE_DIR}/widgets/accessibility.h
  ${PROJECT_SOURCE_DIR}/widgets/centre.cpp
  ${PROJECT_SOURCE_DIR}/widgets/centre.h
  ${PROJECT_SOURCE_DIR}/widgets/frame3d.cpp
  ${PROJECT_SOURCE_DIR}/widgets/frame3d.h
  ${PROJECT_SOURCE_DIR}/widgets/colorbutton.cpp
  ${PROJECT_SOURCE_DIR}/widgets/colorbutton.h
  ${PROJECT_SOURCE_DIR}/widgets/filedrag.cpp
  ${PROJECT_SOURCE_DIR}/widgets/filedrag.h
  ${PROJECT_SOURCE_DIR}/widgets/hetreeview.cpp
  ${PROJECT_SOURCE_DIR}/widgets/hetreeview.h
  ${PROJECT_SOURCE_DIR}/widgets/odpanel.cpp
  ${PROJECT_SOURCE_DIR}/widgets/odpanel.h
)
target_include_directories(corvane_smallwidgets PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(corvane_smallwidgets PUBLIC Qt6::Widgets)
corvane_warnings(corvane_smallwidgets)
