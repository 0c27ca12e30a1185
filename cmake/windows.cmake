# The Windows program, its package in dist/<arch>/ and dist/Orbiqa-<version>-<arch>.zip,
# and the tests that run under Wine.
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
target_include_directories(orbiqa_core PUBLIC ${CMAKE_SOURCE_DIR} ${ORBIQA_GENERATED_DIR})
target_compile_options(orbiqa_core PRIVATE ${ORBIQA_WARNINGS})

# The version, written once in project(), for the resources and the About label.
configure_file(${CMAKE_SOURCE_DIR}/res/orbiqa_version.h.in ${ORBIQA_GENERATED_DIR}/orbiqa_version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/orbiqa.manifest.in ${ORBIQA_GENERATED_DIR}/orbiqa.manifest @ONLY)

add_library(orbiqa_win STATIC ${ORBIQA_WIN_SOURCES})
target_include_directories(orbiqa_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orbiqa_win PRIVATE ${ORBIQA_WARNINGS})
target_link_libraries(orbiqa_win PUBLIC orbiqa_core user32 gdi32 shell32 shlwapi advapi32 comctl32 comdlg32 wtsapi32)

# The asset tool is plain C++. Cross-compiling, build it with the machine's own compiler
# and run it natively, which works for both Windows targets (the 32-bit one cannot run
# here); on Windows itself it is an ordinary target of this build.
if(CMAKE_CROSSCOMPILING)
  find_program(ORBIQA_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  set(ORBIQA_HOST_SUFFIX "")
  set(ORBIQA_MAKE_ASSETS ${CMAKE_BINARY_DIR}/host-tools/make_assets)
  add_custom_command(OUTPUT ${ORBIQA_MAKE_ASSETS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host-tools
    COMMAND ${ORBIQA_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -I${CMAKE_SOURCE_DIR} -o ${ORBIQA_MAKE_ASSETS}
            ${ORBIQA_ASSET_TOOL_SOURCES}
    DEPENDS ${ORBIQA_ASSET_TOOL_SOURCES} ${CMAKE_SOURCE_DIR}/tools/asset_images.h
            ${CMAKE_SOURCE_DIR}/overlay/spotlight_files.h
    COMMENT "Building the asset tool natively")
else()
  set(ORBIQA_HOST_CXX ${CMAKE_CXX_COMPILER})
  set(ORBIQA_HOST_SUFFIX ${CMAKE_EXECUTABLE_SUFFIX})
  add_executable(make_assets ${ORBIQA_ASSET_TOOL_SOURCES})
  target_include_directories(make_assets PRIVATE ${CMAKE_SOURCE_DIR})
  set(ORBIQA_MAKE_ASSETS make_assets)
endif()

set(ORBIQA_RESOURCE_ASSETS ${ORBIQA_ASSET_DIR}/plus.bmp ${ORBIQA_ASSET_DIR}/app.ico)
add_custom_command(OUTPUT ${ORBIQA_RESOURCE_ASSETS}
  COMMAND ${ORBIQA_MAKE_ASSETS} resources ${ORBIQA_ASSET_DIR}
  DEPENDS ${ORBIQA_MAKE_ASSETS} COMMENT "Drawing the resource pictures")

# The data files' names come from the function that names them for the loader and the
# asset tool, through a small program built and run now with the machine's own compiler,
# so this list cannot disagree with either.
set(ORBIQA_DATA_NAMES_SOURCES ${CMAKE_SOURCE_DIR}/tools/data_file_names.cpp
                              ${CMAKE_SOURCE_DIR}/overlay/spotlight_files.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORBIQA_DATA_NAMES_SOURCES}
                                                               ${CMAKE_SOURCE_DIR}/overlay/spotlight_files.h)
set(ORBIQA_DATA_NAMES_TOOL ${CMAKE_BINARY_DIR}/host-tools/data_file_names${ORBIQA_HOST_SUFFIX})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/host-tools)
execute_process(COMMAND ${ORBIQA_HOST_CXX} -std=c++17 -I${CMAKE_SOURCE_DIR} -o ${ORBIQA_DATA_NAMES_TOOL}
                        ${ORBIQA_DATA_NAMES_SOURCES}
                RESULT_VARIABLE ORBIQA_DATA_NAMES_BUILT ERROR_VARIABLE ORBIQA_DATA_NAMES_ERROR)
if(ORBIQA_DATA_NAMES_BUILT EQUAL 0)
  execute_process(COMMAND ${ORBIQA_DATA_NAMES_TOOL} RESULT_VARIABLE ORBIQA_DATA_NAMES_LISTED
                  OUTPUT_VARIABLE ORBIQA_DATA_NAMES OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT ORBIQA_DATA_NAMES_BUILT EQUAL 0 OR NOT ORBIQA_DATA_NAMES_LISTED EQUAL 0)
  message(FATAL_ERROR "Cannot list the data files: ${ORBIQA_DATA_NAMES_ERROR}")
endif()
string(REPLACE "\n" ";" ORBIQA_DATA_NAMES "${ORBIQA_DATA_NAMES}")
list(TRANSFORM ORBIQA_DATA_NAMES PREPEND ${ORBIQA_DIST_DIR}/ OUTPUT_VARIABLE ORBIQA_DATA_FILES)
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
set_source_files_properties(${ORBIQA_RC} PROPERTIES OBJECT_DEPENDS
  "${ORBIQA_RESOURCE_ASSETS};${ORBIQA_RC_DEPENDS};${ORBIQA_GENERATED_DIR}/orbiqa_version.h;${ORBIQA_GENERATED_DIR}/orbiqa_names.h;${ORBIQA_GENERATED_DIR}/orbiqa.manifest")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${ORBIQA_GENERATED_DIR} -I${ORBIQA_ASSET_DIR} -I${CMAKE_SOURCE_DIR}/res")

add_executable(${PROJECT_NAME} WIN32 app/main.cpp ${ORBIQA_RC})
target_compile_options(${PROJECT_NAME} PRIVATE ${ORBIQA_WARNINGS})
target_link_libraries(${PROJECT_NAME} PRIVATE orbiqa_win)
# Address-space layout randomisation and no execution from data pages, stated rather
# than left to the linker's defaults; 64 bits also take the high-entropy layout, 32 bits
# all 4 GB of address space (64-bit programs have it already), checked before the
# program is packaged.
target_link_options(${PROJECT_NAME} PRIVATE -static $<$<CONFIG:Release>:-s> -Wl,--dynamicbase -Wl,--nxcompat
                    $<$<EQUAL:${CMAKE_SIZEOF_VOID_P},4>:-Wl,--large-address-aware>
                    $<$<EQUAL:${CMAKE_SIZEOF_VOID_P},8>:-Wl,--high-entropy-va>)
add_dependencies(${PROJECT_NAME} orbiqa_data)
set(ORBIQA_DIST_EXE ${ORBIQA_DIST_DIR}/${PROJECT_NAME}.exe)
add_custom_command(TARGET ${PROJECT_NAME} POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:${PROJECT_NAME}> -P ${CMAKE_SOURCE_DIR}/cmake/check_large_address.cmake
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${PROJECT_NAME}> ${ORBIQA_DIST_EXE}
  COMMENT "Packaging dist/${ORBIQA_DIST}")

# The yardstick of scripts/idle-cpu.sh: a bare program with a 10 ms timer.
add_executable(idle_reference WIN32 tools/idle_reference.cpp)
target_compile_options(idle_reference PRIVATE ${ORBIQA_WARNINGS})
target_link_options(idle_reference PRIVATE -static)

# The release archive: the program and its data files, side by side at its top level.
# CPack packs what is installed; every build runs it so that dist/ always holds a zip
# that matches dist/<arch>/.
# The zip is made as part of "all", so installing must not build "all" again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
install(PROGRAMS ${ORBIQA_DIST_EXE} DESTINATION .)
install(FILES ${ORBIQA_DATA_FILES} DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(ORBIQA_PACKAGE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${ORBIQA_DIST})
set(CPACK_PACKAGE_FILE_NAME ${ORBIQA_PACKAGE_NAME})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/dist)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
include(CPack)
set(ORBIQA_ZIP ${CMAKE_SOURCE_DIR}/dist/${ORBIQA_PACKAGE_NAME}.zip)
add_custom_command(OUTPUT ${ORBIQA_ZIP}
  COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  DEPENDS ${PROJECT_NAME} ${ORBIQA_DATA_FILES}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing dist/${ORBIQA_PACKAGE_NAME}.zip")
add_custom_target(orbiqa_zip ALL DEPENDS ${ORBIQA_ZIP})

# The installer beside the zip, from the same files: res/orbiqa.wxs, built by wixl (Debian's
# wixl package). wixl takes source paths relative to its working folder only.
find_program(ORBIQA_WIXL wixl REQUIRED)
set(ORBIQA_MSI ${CMAKE_SOURCE_DIR}/dist/${ORBIQA_PACKAGE_NAME}.msi)
file(RELATIVE_PATH ORBIQA_DIST_DIR_REL ${CMAKE_SOURCE_DIR} ${ORBIQA_DIST_DIR})
file(RELATIVE_PATH ORBIQA_ICON_REL ${CMAKE_SOURCE_DIR} ${ORBIQA_ASSET_DIR}/app.ico)
set(ORBIQA_WXI "<Include xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n")
foreach(name IN LISTS ORBIQA_DATA_NAMES)
  string(APPEND ORBIQA_WXI "<File Id=\"${name}\" Source=\"${ORBIQA_DIST_DIR_REL}/${name}\"/>\n")
endforeach()
file(CONFIGURE OUTPUT ${ORBIQA_GENERATED_DIR}/orbiqa_data_files.wxi CONTENT "${ORBIQA_WXI}</Include>\n")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ORBIQA_MSI_ARCH -a x86 -D ProgramFiles=ProgramFilesFolder -D Win64=no)
else()
  set(ORBIQA_MSI_ARCH -a x64 -D ProgramFiles=ProgramFiles64Folder -D Win64=yes)
endif()
add_custom_command(OUTPUT ${ORBIQA_MSI}
  COMMAND ${ORBIQA_WIXL} ${ORBIQA_MSI_ARCH} -I ${ORBIQA_GENERATED_DIR} -D Name=${PROJECT_NAME}
          -D Version=${PROJECT_VERSION} -D Publisher=${ORBIQA_PUBLISHER} -D DistDir=${ORBIQA_DIST_DIR_REL}
          -D Icon=${ORBIQA_ICON_REL} -o ${ORBIQA_MSI} res/orbiqa.wxs
  DEPENDS ${PROJECT_NAME} ${ORBIQA_DATA_FILES} ${ORBIQA_RESOURCE_ASSETS} ${CMAKE_SOURCE_DIR}/res/orbiqa.wxs
          ${ORBIQA_GENERATED_DIR}/orbiqa_data_files.wxi
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Building dist/${ORBIQA_PACKAGE_NAME}.msi")
add_custom_target(orbiqa_msi ALL DEPENDS ${ORBIQA_MSI})

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

  # A DLL under a system DLL's name, for the test that plants it beside the test program;
  # it waits in planted/ below the test program, a folder no load searches.
  add_library(planted_dll SHARED tests/win/planted/planted_dll.cpp)
  set_target_properties(planted_dll PROPERTIES PREFIX "" OUTPUT_NAME dwmapi
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/planted ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/planted)
  target_link_options(planted_dll PRIVATE -static)
  add_dependencies(orbiqa_win_tests planted_dll)

  # A slide that stands in for the presenter's application in end-to-end tests:
  # it takes the keyboard focus and reports the clicks that reach it.
  add_executable(focus_sink WIN32 tests/e2e/focus_sink.cpp)
  target_compile_options(focus_sink PRIVATE ${ORBIQA_WARNINGS})
  target_link_options(focus_sink PRIVATE -static)

  # The walk runs against both packages; one that cannot run here is reported as skipped.
  foreach(dist win64 win32)
    foreach(walk walk pointer)
      add_test(NAME ${walk}_${dist} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${walk}_e2e.sh)
      set_tests_properties(${walk}_${dist} PROPERTIES RUN_SERIAL ON TIMEOUT 300 SKIP_RETURN_CODE 77
        ENVIRONMENT "ORBIQA_DIST_DIR=${CMAKE_SOURCE_DIR}/dist/${dist};ORBIQA_FOCUS_SINK=$<TARGET_FILE:focus_sink>")
    endforeach()
  endforeach()

  # The installers' tables, as Windows would read them; then their life cycle under Wine, for
  # each package whose architecture runs here.
  add_test(NAME msi_tables COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/msi_tables.sh ${PROJECT_VERSION}
           ${CMAKE_SOURCE_DIR}/dist/${PROJECT_NAME}-${PROJECT_VERSION}-win64.msi ${CMAKE_SOURCE_DIR}/dist/${PROJECT_NAME}-${PROJECT_VERSION}-win32.msi)
  foreach(dist win64 win32)
    add_test(NAME msi_${dist} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/msi_e2e.sh)
    set_tests_properties(msi_${dist} PROPERTIES RUN_SERIAL ON TIMEOUT 300 SKIP_RETURN_CODE 77 ENVIRONMENT
      "ORBIQA_MSI=${CMAKE_SOURCE_DIR}/dist/${PROJECT_NAME}-${PROJECT_VERSION}-${dist}.msi;ORBIQA_DIST_DIR=${CMAKE_SOURCE_DIR}/dist/${dist};ORBIQA_FOCUS_SINK=$<TARGET_FILE:focus_sink>")
  endforeach()

  # Two monitors, display changes while running, and 144 DPI, on an Xorg display of its own
  # (Xvfb gives Wine one monitor); a machine where Xorg cannot start fails it.
  add_test(NAME screens_win64 COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/screens_e2e.sh)
  set_tests_properties(screens_win64 PROPERTIES RUN_SERIAL ON TIMEOUT 400 SKIP_RETURN_CODE 77
    ENVIRONMENT "ORBIQA_DIST_DIR=${CMAKE_SOURCE_DIR}/dist/win64;ORBIQA_FOCUS_SINK=$<TARGET_FILE:focus_sink>")
endif()
