# Native build: the portable libraries, their unit tests and the benchmarks.
option(VREX_SANITIZE "Build the unit tests with AddressSanitizer and UBSan" ON)

find_package(GTest REQUIRED)
find_package(benchmark QUIET)

if(VREX_SANITIZE)
  set(VREX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(vrex_core PRIVATE ${VREX_SANITIZER_FLAGS})
  target_link_options(vrex_core PUBLIC ${VREX_SANITIZER_FLAGS})
endif()

file(GLOB VREX_UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(vrex_unit_tests ${VREX_UNIT_TEST_SOURCES})
target_include_directories(vrex_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(vrex_unit_tests PRIVATE vrex_core GTest::gtest GTest::gtest_main GTest::gmock)
if(VREX_SANITIZE)
  target_compile_options(vrex_unit_tests PRIVATE ${VREX_SANITIZER_FLAGS})
endif()
target_compile_definitions(vrex_unit_tests PRIVATE VREX_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures")

# Native build tools (the artwork converter and the like) live in tools/*/native.cmake.
file(GLOB VREX_NATIVE_TOOL_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/native.cmake)
foreach(script ${VREX_NATIVE_TOOL_SCRIPTS})
  include(${script})
endforeach()

file(GLOB VREX_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/benchmarks/*.cpp)
if(benchmark_FOUND AND VREX_BENCH_SOURCES)
  # Benchmarks measure optimised code without sanitizers.
  # Not part of the default build: the test command does not run benchmarks.
  add_library(vrex_core_bench STATIC EXCLUDE_FROM_ALL ${VREX_PORTABLE_SOURCES})
  target_include_directories(vrex_core_bench PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(vrex_core_bench PRIVATE -O2)
  add_executable(vrex_bench EXCLUDE_FROM_ALL ${VREX_BENCH_SOURCES})
  target_compile_options(vrex_bench PRIVATE -O2)
  target_include_directories(vrex_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(vrex_bench PRIVATE vrex_core_bench benchmark::benchmark benchmark::benchmark_main)
endif()
