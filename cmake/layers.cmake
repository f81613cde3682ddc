# The program's layers.  Each is a library that links only the layers below
# it, and an #include of a layer that is not below is a build error
# (vrex_layer_check):
#
#   platform            OS ports and their Win32 adapters, text and colour
#                       helpers, the drawing helpers of the dialogs
#   lang, components    language module, OS version, INI, language dialog;
#                       online detector, file version information
#   gather, view        the gatherers; display line markup, section list view
#   report              report window and output (uses the view)
#   app                 main window, catalogue and dispatch, dialogs, main
#   mail                the mail program VrMail, shipped apart (src/mail/shipped.cmake)
#
# Windows-only files (*_win.cpp) belong to their folder's layer and are built
# only for Windows; a program's main_win.cpp belongs to that program alone.
set(VREX_LAYERS platform lang components gather view report app mail)
set(VREX_LAYER_platform_BELOW "")
set(VREX_LAYER_lang_BELOW platform)
set(VREX_LAYER_components_BELOW platform)
set(VREX_LAYER_gather_BELOW lang components platform)
set(VREX_LAYER_view_BELOW lang components platform)
set(VREX_LAYER_report_BELOW view gather lang components platform)
set(VREX_LAYER_app_BELOW report view gather lang components platform)
set(VREX_LAYER_mail_BELOW platform)

set(VREX_LAYER_TARGETS)
foreach(layer ${VREX_LAYERS})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${layer}/*.cpp)
  if(NOT WIN32)
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  list(FILTER sources EXCLUDE REGEX "/main_win\\.cpp$")
  if(NOT sources)
    continue()
  endif()
  add_library(vrex_${layer} STATIC ${sources})
  target_include_directories(vrex_${layer} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(vrex_${layer} PRIVATE vrex_warnings)
  foreach(below ${VREX_LAYER_${layer}_BELOW})
    if(TARGET vrex_${below})
      target_link_libraries(vrex_${layer} PUBLIC vrex_${below})
    endif()
  endforeach()
  list(APPEND VREX_LAYER_TARGETS vrex_${layer})
endforeach()

# The report layer writes JSON with nlohmann/json (Debian's nlohmann-json3-dev,
# header-only).  Only its own folder, copied into the build, goes on the
# include path: a cross build must not see the host's other headers.
find_path(VREX_NLOHMANN_JSON_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(COPY ${VREX_NLOHMANN_JSON_DIR}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/third_party)
target_include_directories(vrex_report SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/third_party)

# Everything the program is made of, for the program and the tests.
add_library(vrex_program_layers INTERFACE)
target_link_libraries(vrex_program_layers INTERFACE ${VREX_LAYER_TARGETS})

# The include rule, checked whenever a source changes.
file(GLOB_RECURSE VREX_LAYER_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.cpp)
set(VREX_LAYER_RULES)
foreach(layer ${VREX_LAYERS})
  string(REPLACE ";" "," below "${VREX_LAYER_${layer}_BELOW}")
  list(APPEND VREX_LAYER_RULES "${layer}:${below}")
endforeach()
string(REPLACE ";" "|" VREX_LAYER_RULES "${VREX_LAYER_RULES}")
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/layer_check.stamp
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} "-DRULES=${VREX_LAYER_RULES}"
          -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/layer_check.stamp
  DEPENDS ${VREX_LAYER_FILES} ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake
  COMMENT "Checking that no include runs up the layers"
  VERBATIM)
add_custom_target(vrex_layer_check ALL DEPENDS ${CMAKE_BINARY_DIR}/layer_check.stamp)
