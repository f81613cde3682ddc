# Cross build with MinGW-w64: the program, the language modules, the Windows
# test executables and the test tools.  Everything is linked statically so that
# nothing beyond the system's own DLLs is needed.
set(VREX_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Install layout the program runs from")
set(VREX_PROGRAM_DIR ${VREX_DIST_DIR}/Network)
# Folder with the native build tools (artwork converter, database generator).
set(VREX_HOST_TOOLS_DIR "" CACHE PATH "Folder of the natively built build tools")

# Only libraries whose functions every served Windows exports; anything newer
# is bound at run time (newer_functions_win).  The import check guards this.
# comctl32 and comdlg32 are bound at run time too (window_libraries_win), so
# that a report without a window never loads them.
set(VREX_WIN_LIBS user32 gdi32 shell32 advapi32 wsock32 netapi32 version winspool)
# The loader of Windows 95 and NT 4.0 refuses files made for a later version.
set(VREX_OLD_WINDOWS_LINK_OPTIONS -Wl,--major-os-version,4,--minor-os-version,0
    -Wl,--major-subsystem-version,4,--minor-subsystem-version,0)

target_link_libraries(vrex_platform PUBLIC ${VREX_WIN_LIBS})

include(${CMAKE_SOURCE_DIR}/cmake/assets.cmake OPTIONAL)

configure_file(${CMAKE_SOURCE_DIR}/src/app/version.h.in ${CMAKE_BINARY_DIR}/generated/vrex_version.h)
file(GLOB VREX_PROGRAM_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.rc)
add_executable(VrexNet WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win.cpp ${VREX_PROGRAM_RESOURCES})
target_include_directories(VrexNet PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(VrexNet PRIVATE vrex_program_layers vrex_warnings)
target_link_options(VrexNet PRIVATE -static -s ${VREX_OLD_WINDOWS_LINK_OPTIONS})
set_target_properties(VrexNet PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VREX_PROGRAM_DIR})
if(TARGET vrex_assets)
  add_dependencies(VrexNet vrex_assets)
endif()
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_BINARY_DIR}/generated -I${CMAKE_BINARY_DIR}/assets")

# Language modules: resource-only DLLs, one per language code.
set(VREX_LANGUAGE_CODES EN DE ES FR IT RUS CSY)
foreach(code ${VREX_LANGUAGE_CODES})
  add_library(VrexNet${code} SHARED ${CMAKE_SOURCE_DIR}/src/lang/modules/VrexNet${code}.rc)
  set_target_properties(VrexNet${code} PROPERTIES PREFIX "" LINKER_LANGUAGE C
    RUNTIME_OUTPUT_DIRECTORY ${VREX_PROGRAM_DIR})
  # The string tables name their IDs from lang/string_ids.h.
  target_include_directories(VrexNet${code} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  # No code at all: no entry point and no C runtime.
  target_link_options(VrexNet${code} PRIVATE -nostdlib -Wl,-e,0 ${VREX_OLD_WINDOWS_LINK_OPTIONS})
  list(APPEND VREX_SHIPPED_TARGETS VrexNet${code})
endforeach()
list(APPEND VREX_SHIPPED_TARGETS VrexNet)
include(${CMAKE_SOURCE_DIR}/tools/dialsnap/shipped.cmake)
# The mail program, shipped in Vmail rather than beside the program.
include(${CMAKE_SOURCE_DIR}/src/mail/shipped.cmake)

file(MAKE_DIRECTORY ${VREX_DIST_DIR}/SHARED/DATABASES ${VREX_DIST_DIR}/Vmail)

# The device database, enciphered from Debian's PCI ID list and the network
# drivers' device list kept beside the tool by the native tool vrex_devicedb;
# generated at build time, never committed.
set(VREX_PCI_IDS /usr/share/misc/pci.ids CACHE FILEPATH "The PCI ID list the device database is made from")
set(VREX_NETWORK_PCI_IDS ${CMAKE_SOURCE_DIR}/tools/devicedb/network_pci_ids.txt)
set(VREX_DATABASE_FILES ${VREX_DIST_DIR}/SHARED/DATABASES/net.txt ${VREX_DIST_DIR}/SHARED/DATABASES/other.txt)
if(VREX_HOST_TOOLS_DIR)
  add_custom_command(
    OUTPUT ${VREX_DATABASE_FILES}
    COMMAND ${VREX_HOST_TOOLS_DIR}/vrex_devicedb ${VREX_PCI_IDS} ${VREX_NETWORK_PCI_IDS}
            ${VREX_DIST_DIR}/SHARED/DATABASES
    DEPENDS ${VREX_HOST_TOOLS_DIR}/vrex_devicedb ${VREX_PCI_IDS} ${VREX_NETWORK_PCI_IDS}
    COMMENT "Writing the device database from ${VREX_PCI_IDS}"
    VERBATIM)
  add_custom_target(vrex_device_database ALL DEPENDS ${VREX_DATABASE_FILES})
endif()

# The release archive a Windows user unpacks: the install layout with the
# shipped files only (no INI, nothing a test left behind).  Only the build of
# the shipped files makes it, and only when told where (scripts/build.sh).
set(VREX_RELEASE_DIR "" CACHE PATH "Where the release archive is written (none when empty)")
if(VREX_RELEASE_DIR AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VREX_RELEASE_ARCHIVE ${VREX_RELEASE_DIR}/VrexNet-${PROJECT_VERSION}-win32.zip)
  set(stage ${CMAKE_BINARY_DIR}/release)
  set(shipped_files)
  foreach(target ${VREX_SHIPPED_TARGETS})
    list(APPEND shipped_files $<TARGET_FILE:${target}>)
  endforeach()
  add_custom_command(
    OUTPUT ${VREX_RELEASE_ARCHIVE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/Network ${stage}/SHARED/DATABASES ${stage}/Vmail
    COMMAND ${CMAKE_COMMAND} -E copy ${shipped_files} ${stage}/Network
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vrex_vrmail> ${stage}/Vmail
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VREX_DIST_DIR}/SHARED ${stage}/SHARED
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VREX_RELEASE_DIR}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${VREX_RELEASE_ARCHIVE}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${VREX_RELEASE_ARCHIVE} --format=zip
            Network SHARED Vmail
    DEPENDS ${VREX_SHIPPED_TARGETS} vrex_vrmail ${VREX_DATABASE_FILES}
    COMMENT "Writing the release archive ${VREX_RELEASE_ARCHIVE}"
    VERBATIM)
  add_custom_target(vrex_release ALL DEPENDS ${VREX_RELEASE_ARCHIVE})
endif()

# Windows-only tools: those the build needs in tools/*/windows.cmake, those
# only the tests use (registry writer, window driver, stand-ins) in
# tests/tools/*/windows.cmake.
file(GLOB VREX_WIN_TOOL_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/windows.cmake
     ${CMAKE_SOURCE_DIR}/tests/tools/*/windows.cmake)
foreach(script ${VREX_WIN_TOOL_SCRIPTS})
  include(${script})
endforeach()

# GoogleTest for the Windows test executable, from Debian's source package.
option(VREX_WIN_TESTS "Build the Windows test executable" ON)
if(VREX_WIN_TESTS AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  file(GLOB VREX_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  add_executable(vrex_win_tests ${VREX_WIN_TEST_SOURCES})
  target_include_directories(vrex_win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(vrex_win_tests PRIVATE vrex_program_layers vrex_test_support vrex_warnings gtest gmock
                        gtest_main)
  # Tests build image lists of their own.
  target_link_libraries(vrex_win_tests PRIVATE comctl32)
  target_link_options(vrex_win_tests PRIVATE -static)
  set_target_properties(vrex_win_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # The windows under test load the program's artwork from their own executable.
  target_sources(vrex_win_tests PRIVATE ${CMAKE_SOURCE_DIR}/src/app/artwork.rc)
  # ... and the about box reads the program's version block from it too.
  target_sources(vrex_win_tests PRIVATE ${CMAKE_SOURCE_DIR}/src/app/VrexNet.rc)
  target_include_directories(vrex_win_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)
  if(TARGET vrex_assets)
    add_dependencies(vrex_win_tests vrex_assets)
  endif()
  # Portable tests whose answers hang on the width of integers run in the
  # 32-bit program's setting too, where long is 32 bits.
  target_sources(vrex_win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit/markup_parse_test.cpp
                                        ${CMAKE_SOURCE_DIR}/tests/unit/multistring_and_text_test.cpp)
  # Tests that each need a setting of the run (a Windows version setting, a
  # DLL override) and skip without the variable that says it is in place:
  # small, so that the test script runs it once per setting.
  file(GLOB VREX_WIN_SETTING_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/setting/*.cpp)
  add_executable(vrex_win_setting_tests ${VREX_WIN_SETTING_TEST_SOURCES})
  target_include_directories(vrex_win_setting_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(vrex_win_setting_tests PRIVATE vrex_program_layers vrex_test_support vrex_warnings gtest
                        gtest_main)
  # The device pages are checked in the real main window, with its artwork.
  target_sources(vrex_win_setting_tests PRIVATE ${CMAKE_SOURCE_DIR}/src/app/artwork.rc
                                                ${CMAKE_SOURCE_DIR}/src/app/VrexNet.rc)
  target_include_directories(vrex_win_setting_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)
  if(TARGET vrex_assets)
    add_dependencies(vrex_win_setting_tests vrex_assets)
  endif()
  target_link_options(vrex_win_setting_tests PRIVATE -static)
  set_target_properties(vrex_win_setting_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()
