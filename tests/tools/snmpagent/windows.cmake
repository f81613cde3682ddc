# Test stand-in for the system's SNMP agent of the TCP/IP MIB: an
# inetmib1.dll that serves the TCP connection and UDP listener tables of the
# connections.txt beside it.  Tests load it in place of the system agent.
add_library(inetmib1 SHARED ${CMAKE_CURRENT_LIST_DIR}/snmpagent_win.cpp ${CMAKE_CURRENT_LIST_DIR}/inetmib1.def)
set_target_properties(inetmib1 PROPERTIES PREFIX "" OUTPUT_NAME inetmib1
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testagent
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testagent/lib)
target_link_libraries(inetmib1 PRIVATE vrex_warnings)
target_link_libraries(inetmib1 PRIVATE snmpapi)
target_link_options(inetmib1 PRIVATE -static -Wl,--enable-stdcall-fixup)
