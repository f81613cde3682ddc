# Import check of the shipped files, run by the test command: every function
# they import statically must be exported by each Windows version served.
add_executable(vrex_importcheck ${CMAKE_CURRENT_LIST_DIR}/importcheck.cpp ${CMAKE_CURRENT_LIST_DIR}/pe_image.cpp
               ${CMAKE_CURRENT_LIST_DIR}/export_list.cpp)
target_link_libraries(vrex_importcheck PRIVATE vrex_warnings)
set_target_properties(vrex_importcheck PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

target_sources(vrex_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pe_image.cpp ${CMAKE_CURRENT_LIST_DIR}/export_list.cpp)
target_include_directories(vrex_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(vrex_unit_tests PRIVATE VREX_EXPORT_LIST="${CMAKE_CURRENT_LIST_DIR}/system_exports.txt")
