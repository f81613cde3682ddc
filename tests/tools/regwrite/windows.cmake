add_executable(regwrite ${CMAKE_CURRENT_LIST_DIR}/regwrite_win.cpp)
target_link_libraries(regwrite PRIVATE vrex_test_support vrex_warnings advapi32)
target_link_options(regwrite PRIVATE -static)
set_target_properties(regwrite PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
