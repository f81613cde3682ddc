# Fuzz targets of the parsers: each tests/fuzz/NAME_fuzz.cpp is one libFuzzer
# executable, run by the test command over its seeds in tests/fuzz/corpus/NAME/.
# Needs clang; configure a build folder of its own with
# -DCMAKE_CXX_COMPILER=clang++ -DVREX_FUZZ=ON.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VREX_FUZZ needs clang (libFuzzer), not ${CMAKE_CXX_COMPILER_ID}")
endif()

file(GLOB VREX_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
add_custom_target(vrex_fuzz_targets)
foreach(source ${VREX_FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  # Only the layers the parsers live in: the rest of the program never has to build here.
  target_link_libraries(${name} PRIVATE vrex_gather vrex_view vrex_test_support vrex_warnings)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(vrex_fuzz_targets ${name})
endforeach()
