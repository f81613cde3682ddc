# Test stand-in for a mail program's Simple MAPI library: a MAPI32.dll whose
# MAPISendMail records what it was handed in mapi.log.  End-to-end runs put it
# beside the mail program VrMail.exe.
add_library(testmapi SHARED ${CMAKE_CURRENT_LIST_DIR}/testmapi_win.cpp ${CMAKE_CURRENT_LIST_DIR}/testmapi.def)
set_target_properties(testmapi PROPERTIES PREFIX "" OUTPUT_NAME MAPI32
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testmapi
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testmapi/lib)
target_link_libraries(testmapi PRIVATE vrex_warnings)
target_link_options(testmapi PRIVATE -static -Wl,--enable-stdcall-fixup)
