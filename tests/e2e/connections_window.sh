# The Winsock page with the connections of a fixture table: our SNMP test
# agent stands in for the system's, which Wine loads only when told to
# prefer a native inetmib1 found beside the program (in this run's copy of
# dist/).
title="Vrex Info Network"
agent="$VREX_WIN_BUILD/testagent/inetmib1.dll"
vrex_wine_version winxp
cp "$agent" "$VREX_DIST/Network/inetmib1.dll"
cat >"$VREX_DIST/Network/connections.txt" <<'ROWS'
tcp 2 0.0.0.0 22 0.0.0.0 0
tcp 5 127.0.0.1 1025 127.0.0.1 80
tcp 5 192.168.77.2 1026 10.255.77.5 47123
udp 0.0.0.0 53
ROWS
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;inetmib1=n" vrex_start_program
vrex_check "test agent: main window appears" vrex_wine_tool wait "$title" 30000
# Open the first section, then its Winsock sub-item (row 6).
vrex_wine_tool click-row "$title" 111 0
vrex_wine_tool settle 300
vrex_wine_tool click-row "$title" 111 6
vrex_wine_tool settle 800
vrex_wine_screenshot "$VREX_SCREENSHOTS/winsock-connections.png"
vrex_wine_tool close "$title"
vrex_check "test agent: closes cleanly" vrex_wait_program 20
