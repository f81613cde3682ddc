# The phonebook library the dial-up page loads, shipped beside the program.
# It imports rasapi32.dll, so it fails to load where dial-up networking is
# not installed.
add_library(dialsnap SHARED ${CMAKE_CURRENT_LIST_DIR}/dialsnap_win.cpp ${CMAKE_SOURCE_DIR}/src/platform/phonebook_text.cpp
                            ${CMAKE_CURRENT_LIST_DIR}/dialsnap.def)
set_target_properties(dialsnap PROPERTIES PREFIX "" OUTPUT_NAME dialsnap RUNTIME_OUTPUT_DIRECTORY ${VREX_PROGRAM_DIR}
                                          ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/dialsnap/lib)
target_include_directories(dialsnap PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(dialsnap PRIVATE vrex_warnings rasapi32)
target_link_options(dialsnap PRIVATE -static -s -Wl,--enable-stdcall-fixup ${VREX_OLD_WINDOWS_LINK_OPTIONS})
list(APPEND VREX_SHIPPED_TARGETS dialsnap)
