list(APPEND ORBIQA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/shortcut_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/highlight_rect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tick_decision.cpp)
list(APPEND ORBIQA_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/spotlight_timer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/highlight.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcut_registration.cpp)
