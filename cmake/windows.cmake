# The Windows program, its package in dist/<arch>/, and the tests that run under Wine.
enable_language(RC)
if(NOT ORBIQA_DIST)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(ORBIQA_DIST win32)
  else()
    set(ORBIQA_DIST win64)
  endif()
endif()
set(ORBIQA_DIST_DIR ${CMAKE_SOURCE_DIR}/dist/${ORBIQA_DIST})
set(ORBIQA_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)
file(MAKE_DIRECTORY ${ORBIQA_DIST_DIR} ${ORBIQA_ASSET_DIR})

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

add_library(orbiqa_core STATIC ${ORBIQA_CORE_SOURCES})
target_include_directories(orbiqa_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orbiqa_core PRIVATE ${ORBIQA_WARNINGS})

add_library(orbiqa_win STATIC ${ORBIQA_WIN_SOURCES})
target_include_directories(orbiqa_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orbiqa_win PRIVATE ${ORBIQA_WARNINGS})
target_link_libraries(orbiqa_win PUBLIC orbiqa_core user32 gdi32 shell32 shlwapi advapi32 comctl32)

# The asset tool is plain C++. Cross-compiling, build it with the machine's own compiler
# and run it natively, which works for both Windows targets (the 32-bit one cannot run
# here); on Windows itself it is an ordinary target of this build.
if(CMAKE_CROSSCOMPILING)
  find_program(ORBIQA_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  set(ORBIQA_MAKE_ASSETS ${CMAKE_BINARY_DIR}/host-tools/make_assets)
  add_custom_command(OUTPUT ${ORBIQA_MAKE_ASSETS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host-tools
    COMMAND ${ORBIQA_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -o ${ORBIQA_MAKE_ASSETS} ${ORBIQA_ASSET_TOOL_SOURCES}
    DEPENDS ${ORBIQA_ASSET_TOOL_SOURCES} ${CMAKE_SOURCE_DIR}/tools/asset_images.h
    COMMENT "Building the asset tool natively")
else()
  add_executable(make_assets ${ORBIQA_ASSET_TOOL_SOURCES})
  set(ORBIQA_MAKE_ASSETS make_assets)
endif()

set(ORBIQA_RESOURCE_ASSETS ${ORBIQA_ASSET_DIR}/plus.bmp ${ORBIQA_ASSET_DIR}/app.ico)
add_custom_command(OUTPUT ${ORBIQA_RESOURCE_ASSETS}
  COMMAND ${ORBIQA_MAKE_ASSETS} resources ${ORBIQA_ASSET_DIR}
  DEPENDS ${ORBIQA_MAKE_ASSETS} COMMENT "Drawing the resource pictures")

set(ORBIQA_DATA_FILES ${ORBIQA_DIST_DIR}/orbiqaIco.ICO)
foreach(shape Circle Rect TRect)
  foreach(size Small Medium Large ExtraLarge)
    list(APPEND ORBIQA_DATA_FILES ${ORBIQA_DIST_DIR}/spotlight${shape}${size}.bmp
                                  ${ORBIQA_DIST_DIR}/spotlight${shape}${size}Blur.bmp)
  endforeach()
endforeach()
add_custom_command(OUTPUT ${ORBIQA_DATA_FILES}
  COMMAND ${ORBIQA_MAKE_ASSETS} spotlights ${ORBIQA_DIST_DIR}
  DEPENDS ${ORBIQA_MAKE_ASSETS} COMMENT "Drawing the spotlight bitmaps and the tray icon")
add_custom_target(orbiqa_data ALL DEPENDS ${ORBIQA_DATA_FILES})

# The program brings its own manifest (res/orbiqa.manifest). Debian's MinGW-w64 links no
# default one; a toolchain that does would give the program a second manifest resource.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=default-manifest.o
                OUTPUT_VARIABLE ORBIQA_DEFAULT_MANIFEST OUTPUT_STRIP_TRAILING_WHITESPACE)
if(IS_ABSOLUTE "${ORBIQA_DEFAULT_MANIFEST}" AND EXISTS "${ORBIQA_DEFAULT_MANIFEST}")
  message(WARNING "${ORBIQA_DEFAULT_MANIFEST} adds a second manifest to Orbiqa.exe: check which one wins")
endif()

set(ORBIQA_RC ${CMAKE_SOURCE_DIR}/res/orbiqa.rc)
file(GLOB ORBIQA_RC_DEPENDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*)
set_source_files_properties(${ORBIQA_RC} PROPERTIES OBJECT_DEPENDS "${ORBIQA_RESOURCE_ASSETS};${ORBIQA_RC_DEPENDS}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${ORBIQA_ASSET_DIR} -I${CMAKE_SOURCE_DIR}/res")

add_executable(Orbiqa WIN32 app/main.cpp ${ORBIQA_RC})
target_compile_options(Orbiqa PRIVATE ${ORBIQA_WARNINGS})
target_link_libraries(Orbiqa PRIVATE orbiqa_win)
target_link_options(Orbiqa PRIVATE -static $<$<CONFIG:Release>:-s>)
add_dependencies(Orbiqa orbiqa_data)
add_custom_command(TARGET Orbiqa POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Orbiqa> ${ORBIQA_DIST_DIR}/Orbiqa.exe
  COMMENT "Packaging dist/${ORBIQA_DIST}")

if(ORBIQA_TESTS)
  # One test executable for all Win32 tests: a Wine process start costs seconds.
  file(GLOB ORBIQA_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  add_executable(orbiqa_win_tests ${ORBIQA_WIN_TESTS} ${ORBIQA_RC})
  target_compile_options(orbiqa_win_tests PRIVATE ${ORBIQA_WARNINGS})
  string(REPLACE "/" "\\\\" ORBIQA_DIST_DIR_WINE "Z:${ORBIQA_DIST_DIR}")
  target_compile_definitions(orbiqa_win_tests PRIVATE "ORBIQA_DIST_DIR=\"${ORBIQA_DIST_DIR_WINE}\"")
  target_link_libraries(orbiqa_win_tests PRIVATE orbiqa_win gtest)
  target_link_options(orbiqa_win_tests PRIVATE -static)
  add_dependencies(orbiqa_win_tests orbiqa_data)
  add_test(NAME windows_units COMMAND orbiqa_win_tests)

  # A slide that stands in for the presenter's application in end-to-end tests:
  # it takes the keyboard focus and reports the clicks that reach it.
  add_executable(focus_sink WIN32 tests/e2e/focus_sink.cpp)
  target_compile_options(focus_sink PRIVATE ${ORBIQA_WARNINGS})
  target_link_options(focus_sink PRIVATE -static)

  # The walk runs against both packages; one that cannot run here is reported as skipped.
  foreach(dist win64 win32)
    add_test(NAME walk_${dist} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/walk_e2e.sh)
    set_tests_properties(walk_${dist} PROPERTIES RUN_SERIAL ON TIMEOUT 300 SKIP_RETURN_CODE 77
      ENVIRONMENT "ORBIQA_DIST_DIR=${CMAKE_SOURCE_DIR}/dist/${dist};ORBIQA_FOCUS_SINK=$<TARGET_FILE:focus_sink>")
  endforeach()
endif()
