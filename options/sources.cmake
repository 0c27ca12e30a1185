list(APPEND ORBIQA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/options_layout.cpp)
list(APPEND ORBIQA_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/options_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_binding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_access.cpp)
