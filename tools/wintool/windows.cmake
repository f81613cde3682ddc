add_executable(wintool ${CMAKE_CURRENT_LIST_DIR}/wintool_win.cpp)
target_link_libraries(wintool PRIVATE vrex_warnings user32 gdi32)
target_link_options(wintool PRIVATE -static)
set_target_properties(wintool PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
