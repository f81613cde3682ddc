# The mail program the report window's Send starts: VrMail.exe in Vmail,
# beside the report files it is given.  It imports only what Windows 95
# exports and binds MAPI32.DLL at run time.
add_executable(vrex_vrmail WIN32 ${CMAKE_CURRENT_LIST_DIR}/main_win.cpp)
target_link_libraries(vrex_vrmail PRIVATE vrex_mail vrex_warnings)
target_link_options(vrex_vrmail PRIVATE -static -s ${VREX_OLD_WINDOWS_LINK_OPTIONS})
set_target_properties(vrex_vrmail PROPERTIES OUTPUT_NAME VrMail RUNTIME_OUTPUT_DIRECTORY ${VREX_DIST_DIR}/Vmail)
