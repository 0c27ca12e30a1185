list(APPEND ORBIQA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/laser_trail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/laser_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monitors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spotlight_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spotlight_files.cpp)
list(APPEND ORBIQA_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/overlay_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spotlight_image.cpp)
# The laser's wide kernels are built for their processors whatever the target: Windows keeps
# only a 16-byte (32-bit: 4-byte) aligned stack, where MinGW's GCC may spill a wide register
# with an aligned move. Unaligned moves cost nothing on an aligned address.
if(WIN32)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/laser_rows.cpp PROPERTIES COMPILE_OPTIONS
                                                                                 -Wa,-muse-unaligned-vector-move)
endif()
