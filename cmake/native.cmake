# Native build: the unit tests, the build tools and the benchmarks.
find_package(GTest REQUIRED)
find_package(benchmark QUIET)

file(GLOB VREX_UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(vrex_unit_tests ${VREX_UNIT_TEST_SOURCES})
target_include_directories(vrex_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(vrex_unit_tests PRIVATE vrex_program_layers vrex_test_support vrex_warnings GTest::gtest
                                              GTest::gtest_main GTest::gmock)
target_compile_definitions(vrex_unit_tests PRIVATE VREX_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures")

# Native build tools (the artwork converter and the like) live in tools/*/native.cmake.
file(GLOB VREX_NATIVE_TOOL_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/native.cmake
     ${CMAKE_SOURCE_DIR}/tests/tools/*/native.cmake)
foreach(script ${VREX_NATIVE_TOOL_SCRIPTS})
  include(${script})
endforeach()

# Benchmarks: not part of the default build; configure a build folder with
# -DCMAKE_BUILD_TYPE=Release -DVREX_SANITIZE=OFF for them (README).
file(GLOB VREX_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/benchmarks/*.cpp)
if(benchmark_FOUND AND VREX_BENCH_SOURCES)
  add_executable(vrex_bench EXCLUDE_FROM_ALL ${VREX_BENCH_SOURCES})
  target_include_directories(vrex_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(vrex_bench PRIVATE vrex_program_layers vrex_test_support vrex_warnings benchmark::benchmark
                                           benchmark::benchmark_main)
  # The device database benchmark builds the database with the generator's code.
  target_sources(vrex_bench PRIVATE ${CMAKE_SOURCE_DIR}/tools/devicedb/devicedb_build.cpp)
  target_include_directories(vrex_bench PRIVATE ${CMAKE_SOURCE_DIR}/tools/devicedb)
  target_compile_definitions(vrex_bench PRIVATE VREX_PCI_IDS="${VREX_PCI_IDS}"
                                              VREX_NETWORK_PCI_IDS="${CMAKE_SOURCE_DIR}/tools/devicedb/network_pci_ids.txt")
endif()
