list(APPEND ORBIQA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tray_icon_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray_text.cpp)
list(APPEND ORBIQA_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/installer_requests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_proc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray.cpp)
