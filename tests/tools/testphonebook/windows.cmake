# Test stand-in for the phonebook library: a dialsnap.dll that gives the text
# of the phonebook.txt beside it.  End-to-end runs put it beside the program
# in place of the real one.
add_library(testphonebook SHARED ${CMAKE_CURRENT_LIST_DIR}/testphonebook_win.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/testphonebook.def)
set_target_properties(testphonebook PROPERTIES PREFIX "" OUTPUT_NAME dialsnap
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testphonebook
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testphonebook/lib)
target_link_libraries(testphonebook PRIVATE vrex_warnings)
target_link_options(testphonebook PRIVATE -static -Wl,--enable-stdcall-fixup)
