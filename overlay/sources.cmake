list(APPEND ORBIQA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/laser_trail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monitors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spotlight_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spotlight_files.cpp)
list(APPEND ORBIQA_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/overlay_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spotlight_image.cpp)
