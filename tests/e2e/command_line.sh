# The report from the command line as a console user meets it: started from
# another folder, without its database, with a wrong argument.  Each run
# first shows that the program ran (its report or its message).
work="$VREX_DIST/../command-line"
rm -rf "$work" && mkdir -p "$work"
stderr="$VREX_DIST/../stderr.txt"
vrex_wine_reg "$root"/tests/fixtures/devices_*.reg "$root"/tests/fixtures/network_class_*.reg
vrex_wine_version winxp

# The user's guide's own example, from the folder above the program's: the
# device database is found beside the program's folder all the same.
(cd "$VREX_DIST" && wine Network/VrexNet.exe --report "$(vrex_wine_path "$work/above.txt")" --items 525 2>"$stderr")
vrex_check "started from the folder above: the cards are named from the database" test "$(tr -d '\r' <"$work/above.txt" |
  grep -cxF -e 'Realtek Semiconductor Co., Ltd. RTL-8100/8101L/8139 PCI Fast Ethernet Adapter' \
    -e 'Broadcom Inc. and subsidiaries NetXtreme BCM5751 Gigabit Ethernet PCI Express' \
    -e 'Intel Corporation 82540EM Gigabit Ethernet Controller (PRO/1000 MT Desktop Adapter)')" = 3

# Without the database the report is still written, and the user is told.
mv "$VREX_DIST/SHARED" "$VREX_DIST/SHARED.away"
vrex_run_program --report "$(vrex_wine_path "$work/nodb.txt")" --items 525
status=$?
message="The device database is missing ($(vrex_wine_path "$VREX_DIST/Network")\\..\\SHARED\\DATABASES\\)"
vrex_check "no database: standard error says so" grep -qF "$message" "$stderr"
vrex_check "no database: the report is written, status 0" vrex_said "$stderr" "$message" test -s "$work/nodb.txt" -a $status -eq 0
mv "$VREX_DIST/SHARED.away" "$VREX_DIST/SHARED"

# A wrong argument is named before the usage.
vrex_run_program --report "$(vrex_wine_path "$work/wrong.txt")" --ITEMS 540,,525
status=$?
vrex_check "wrong argument: named, then the usage" test "$(tr -d '\r' <"$stderr")" = \
  "An ID is missing in the list 540,,525 (IDs are separated by single commas).
Usage: VrexNet.exe --report FILE [--items ID,ID,...] | --list-items | --help"
vrex_check "wrong argument: status 2" vrex_said "$stderr" "Usage:" test $status -eq 2

# Ctrl+C while the run gathers, started on a console as from a command
# prompt, output redirected: the run stops with status 1 and its message, and
# the old file stays.  The stand-in phonebook holds the run in its gathering;
# Wine's console hands a Ctrl+C to its processes as SIGINT.
network="$VREX_DIST/Network"
cp "$VREX_WIN_BUILD/testphonebook/dialsnap.dll" "$network/dialsnap.dll"
printf 'old report\r\n' >"$work/kept.txt"
rm -f "$network/held" && touch "$network/hold"
(cd "$network" && vrex_wine_tool run-on-console "VrexNet.exe --report $(vrex_wine_path "$work/kept.txt") --items 350" \
  >"$work/console.txt" 2>"$stderr") &
console=$!
for _ in $(seq 300); do [ -f "$network/held" ] && break; sleep 0.1; done
program=$(pgrep -f '^VrexNet\.exe --report .*kept\.txt')
vrex_check "Ctrl+C: the run is held in its gathering" test -f "$network/held" -a -n "$program"
[ -n "$program" ] && kill -INT $program
for _ in $(seq 100); do kill -0 $console 2>/dev/null || break; sleep 0.1; done
rm -f "$network/hold" "$network/held"
wait $console
vrex_check "Ctrl+C: status 1, the message, the old file intact" test \
  "$(cat "$work/console.txt" "$stderr" "$work/kept.txt" | tr -d '\r')" = "exit 1
Stopped: $(vrex_wine_path "$work/kept.txt") was not written.
old report"

# The report for programs: Python's own parsers read the JSON and the CSV,
# and the JSON of the adapters and protocols is the expected file's.
vrex_run_program --report "$(vrex_wine_path "$work/report.json")" --items 525,526
vrex_run_program --report "$(vrex_wine_path "$work/report.csv")" --items 525,526
vrex_check "JSON: parsed, as expected" diff "$root/tests/expected/report_winxp.json" \
  <(python3 "$root/tests/harness/report_data_check.py" json "$work/report.json")
vrex_check "CSV: parsed, a label and its value under their headings" grep -qxF \
  "525|Network|Network adapters|Realtek Semiconductor Co., Ltd. RTL-8100/8101L/8139 PCI Fast Ethernet Adapter / Driver|Description|Realtek RTL8139 Family PCI Fast Ethernet NIC" \
  <(python3 "$root/tests/harness/report_data_check.py" csv "$work/report.csv")
