# Artwork converter, run by the Windows build (cmake/assets.cmake) to turn
# assets/*.px and the drawn pictures into the bitmaps of the resource script.
add_executable(vrex_pixelart ${CMAKE_CURRENT_LIST_DIR}/pixelart.cpp ${CMAKE_CURRENT_LIST_DIR}/pixelart_parse.cpp)
target_link_libraries(vrex_pixelart PRIVATE vrex_warnings)
set_target_properties(vrex_pixelart PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# Preview of all artwork at 4x: <build>/artwork/contact_sheet.bmp.
add_custom_target(vrex_contact_sheet
  COMMAND vrex_pixelart --contact-sheet ${CMAKE_SOURCE_DIR}/assets ${CMAKE_BINARY_DIR}/artwork
  COMMENT "Drawing the artwork contact sheet"
  VERBATIM)

# The unit tests check the reader's fault reports and the shipped sources.
target_sources(vrex_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pixelart_parse.cpp)
target_include_directories(vrex_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(vrex_unit_tests PRIVATE VREX_ASSETS="${CMAKE_SOURCE_DIR}/assets")
