# Test stand-in for the suite's mail program: VrMail.exe, which end-to-end
# runs put into dist/Vmail.  It records how it was started and whether both
# report files were complete when it started.
add_executable(vrmail WIN32 ${CMAKE_CURRENT_LIST_DIR}/vrmail_win.cpp)
set_target_properties(vrmail PROPERTIES OUTPUT_NAME VrMail RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_link_libraries(vrmail PRIVATE vrex_warnings)
target_link_options(vrmail PRIVATE -static)
