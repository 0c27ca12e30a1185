# Native build of the window-free logic: unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, a libFuzzer target for the settings loader, benchmarks.
set(ORBIQA_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(orbiqa_core STATIC ${ORBIQA_CORE_SOURCES})
target_include_directories(orbiqa_core PUBLIC ${CMAKE_SOURCE_DIR} ${ORBIQA_GENERATED_DIR})
target_compile_options(orbiqa_core PRIVATE ${ORBIQA_WARNINGS} PUBLIC ${ORBIQA_SANITIZERS})
target_link_options(orbiqa_core PUBLIC ${ORBIQA_SANITIZERS})

# The asset tool runs natively here.
add_executable(make_assets ${ORBIQA_ASSET_TOOL_SOURCES})
target_include_directories(make_assets PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(make_assets PRIVATE ${ORBIQA_WARNINGS})

if(ORBIQA_TESTS)
  file(GLOB ORBIQA_HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*.cpp)
  add_executable(orbiqa_host_tests ${ORBIQA_HOST_TESTS} ${CMAKE_SOURCE_DIR}/tools/asset_images.cpp)
  target_link_libraries(orbiqa_host_tests PRIVATE orbiqa_core gtest_main)
  target_compile_options(orbiqa_host_tests PRIVATE ${ORBIQA_WARNINGS})
  add_test(NAME host_units COMMAND orbiqa_host_tests)

  # Runs the settings loader on random input for a few seconds so the target cannot rot.
  add_executable(settings_fuzz ${CMAKE_SOURCE_DIR}/tests/fuzz/settings_fuzz.cpp ${ORBIQA_CORE_SOURCES})
  target_include_directories(settings_fuzz PRIVATE ${CMAKE_SOURCE_DIR} ${ORBIQA_GENERATED_DIR})
  target_compile_options(settings_fuzz PRIVATE -fsanitize=fuzzer,address,undefined ${ORBIQA_WARNINGS})
  target_link_options(settings_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  # New inputs go to the build tree; the committed seeds are only read.
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz-corpus)
  add_test(NAME settings_fuzz COMMAND settings_fuzz -max_total_time=5 -max_len=4096 -rss_limit_mb=1024
                                      ${CMAKE_BINARY_DIR}/fuzz-corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds)
endif()

find_package(benchmark QUIET)
if(benchmark_FOUND)
  # Benchmarks measure the optimised code, without sanitizers.
  add_library(orbiqa_core_fast STATIC ${ORBIQA_CORE_SOURCES})
  target_include_directories(orbiqa_core_fast PUBLIC ${CMAKE_SOURCE_DIR} ${ORBIQA_GENERATED_DIR})
  target_compile_options(orbiqa_core_fast PRIVATE -O2 ${ORBIQA_WARNINGS})
  file(GLOB ORBIQA_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  # The real spotlight masks come from the asset generator.
  add_executable(orbiqa_bench ${ORBIQA_BENCHMARKS} ${CMAKE_SOURCE_DIR}/tools/asset_images.cpp)
  target_compile_options(orbiqa_bench PRIVATE -O2 ${ORBIQA_WARNINGS})
  target_link_libraries(orbiqa_bench PRIVATE orbiqa_core_fast benchmark::benchmark_main)
endif()
