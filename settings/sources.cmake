list(APPEND ORBIQA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/option_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_command.cpp)
list(APPEND ORBIQA_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/platform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_entry.cpp)
