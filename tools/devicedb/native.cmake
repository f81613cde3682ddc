# Device database generator, run by the Windows build (cmake/windows.cmake)
# to write net.txt and other.txt from Debian's PCI ID list and the network
# drivers' device list.
add_executable(vrex_devicedb ${CMAKE_CURRENT_LIST_DIR}/devicedb.cpp ${CMAKE_CURRENT_LIST_DIR}/devicedb_build.cpp)
target_link_libraries(vrex_devicedb PRIVATE vrex_platform vrex_warnings)
target_include_directories(vrex_devicedb PRIVATE ${CMAKE_SOURCE_DIR}/src)
set_target_properties(vrex_devicedb PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

target_sources(vrex_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/devicedb_build.cpp)
target_include_directories(vrex_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# The device tests name devices from the database made of the installed list.
set(VREX_PCI_IDS /usr/share/misc/pci.ids CACHE FILEPATH "The PCI ID list the device database is made from")
target_compile_definitions(vrex_unit_tests PRIVATE VREX_PCI_IDS="${VREX_PCI_IDS}"
                                                   VREX_NETWORK_PCI_IDS="${CMAKE_CURRENT_LIST_DIR}/network_pci_ids.txt")
