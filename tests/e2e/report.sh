# The report: from the command line, its HTML form and its failures; and the
# report window of the running program, whose Save goes through the real save
# dialog and whose Send starts the stand-in mail program.
title="Vrex Info Network"
report_title="Create report"
fixtures="$root/tests/fixtures"
work="$VREX_DIST/../report"
rm -rf "$work" && mkdir -p "$work"
cp "$VREX_WIN_BUILD/testphonebook/dialsnap.dll" "$VREX_DIST/Network/dialsnap.dll"
cp "$fixtures/dialup_phonebook.txt" "$VREX_DIST/Network/phonebook.txt"
mkdir -p "$VREX_DIST/Vmail"
cp "$VREX_WIN_BUILD/tools/VrMail.exe" "$VREX_DIST/Vmail/VrMail.exe"
vrex_wine_reg "$fixtures"/devices_*.reg "$fixtures"/network_class_*.reg "$fixtures"/tcpip_*.reg \
  "$fixtures/internet_settings.reg"

stderr="$VREX_DIST/../stderr.txt"

# The HTML report of every sub-item (the text reports of every version
# setting are checked in acceptance.sh).
vrex_wine_version winxp
vrex_check "report of every sub-item succeeds" vrex_run_program --report "$(vrex_wine_path "$work/winxp-all.htm")"
# A heading's caption is navy and ends in a colon.
headings() { grep -c '#000080" size="4">[^<]*:</FONT>' "$1"; }
vrex_check "HTML report of every sub-item has all thirteen headings" test "$(headings "$work/winxp-all.htm")" = 13
cp "$work/winxp-all.htm" "$VREX_SCREENSHOTS/report-winxp-all.htm"
# The saved HTML report as a browser shows it.
browser_shot() {
  chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
    --user-data-dir="$work/browser" --hide-scrollbars --window-size=900,1400 --screenshot="$2" "file://$1" >/dev/null 2>&1
}
browser_shot "$work/winxp-all.htm" "$VREX_SCREENSHOTS/report-html-chromium.png"
vrex_check "the HTML report renders in a browser" \
  test -s "$work/winxp-all.htm" -a -s "$VREX_SCREENSHOTS/report-html-chromium.png"
# In Russian and Czech, in the code page of their systems: the document says
# its character set, so that a browser reads its letters right.
for language in RUS:ru_RU:1251 CSY:cs_CZ:1250; do
  IFS=: read -r code locale page <<<"$language"
  printf '[Options]\r\nLanguage=%s\r\n' "$code" >"$VREX_DIST/Network/VrexNet.ini"
  LC_ALL=$locale.UTF-8 vrex_run_program --report "$(vrex_wine_path "$work/winxp-$code.htm")"
  vrex_check "$code: the HTML report names its character set windows-$page" \
    grep -q "charset=windows-$page\"" "$work/winxp-$code.htm"
  browser_shot "$work/winxp-$code.htm" "$VREX_SCREENSHOTS/report-html-chromium-$code.png"
done
rm -f "$VREX_DIST/Network/VrexNet.ini"
vrex_check "the HTML reports parse as HTML without an error" \
  xmllint --html --noout "$work/winxp-all.htm" "$work/winxp-RUS.htm" "$work/winxp-CSY.htm"

# Without a window the report needs neither the window libraries nor the
# display: loading either brings up the desktop, which costs more than the
# whole gathering.
WINEDEBUG=+loaddll vrex_run_program --report "$(vrex_wine_path "$work/quiet.txt")"
vrex_check "the command-line report loads no window library or display driver" \
  test -s "$work/quiet.txt" -a -n "$(grep -i 'loaded.*kernel32' "$stderr")" \
  -a -z "$(grep -io 'comctl32\|comdlg32\|winex11\|explorer\.exe' "$stderr")"

# A report of every sub-item against ipconfig /all, on the same warm prefix.
source "$root/tests/harness/timing.sh"
echo "timing: $(vrex_report_timing "$work" 7)" | tee "$VREX_SCREENSHOTS/report-timing.txt"

# Nothing written silently, and nothing half-written.
printf 'old\r\n' >"$work/locked.txt"
chmod a-w "$work/locked.txt"
# Status 1 is the program's word for a report it could not write, 2 for a
# wrong command line; each counts with the program's message.
vrex_run_program --report "$(vrex_wine_path "$work/locked.txt")" --items 540
status=$?
message='could not be written to Z:'
vrex_check "read-only target: the message names the file" grep -q 'locked.txt' "$stderr"
vrex_check "read-only target: exit status 1" vrex_said "$stderr" "$message" test $status -eq 1
vrex_check "read-only target: the file stays intact" vrex_said "$stderr" "$message" test "$(cat "$work/locked.txt")" = $'old\r'
chmod u+w "$work/locked.txt"
vrex_run_program --report "$(vrex_wine_path "$work/missing/r.txt")" --items 540
status=$?
# Each line of the message ends in CR LF.
vrex_check "missing folder: the message names the file, its line ends in CR LF" \
  grep -qxF "The report could not be written to $(vrex_wine_path "$work/missing/r.txt")."$'\r' "$stderr"
vrex_check "missing folder: the message says the folder does not exist" \
  grep -qxF "The folder $(vrex_wine_path "$work/missing") does not exist." <(tr -d '\r' <"$stderr")
vrex_check "missing folder: exit status 1" vrex_said "$stderr" "$message" test $status -eq 1
vrex_check "missing folder: nothing written" vrex_said "$stderr" "$message" test ! -e "$work/missing"
vrex_run_program --report "$(vrex_wine_path "$work")" --items 540
status=$?
message="$(vrex_wine_path "$work") is a folder."
vrex_check "folder as the file: the message says it is a folder" grep -qxF "$message" <(tr -d '\r' <"$stderr")
vrex_check "folder as the file: exit status 1" vrex_said "$stderr" "$message" test $status -eq 1
printf 'old\r\n' >"$work/kept.txt"
vrex_run_program --report "$(vrex_wine_path "$work/kept.txt")" --items 540,9999
status=$?
message='Unknown sub-item ID: 9999'
vrex_check "unknown item: the message names it" grep -q "$message" "$stderr"
vrex_check "unknown item: exit status 2" vrex_said "$stderr" "$message" test $status -eq 2
vrex_check "unknown item: the file stays intact" vrex_said "$stderr" "$message" test "$(cat "$work/kept.txt")" = $'old\r'
vrex_check "no temporary files are left" test -s "$work/quiet.txt" -a -z "$(ls "$work" | grep -i '\.tmp$')"
vrex_run_program --list-items >"$work/items.txt"
vrex_check "item list names every sub-item" test "$(tr -d '\r' <"$work/items.txt" | cut -f1 | tr '\n' ' ')" = \
  "540 525 526 527 528 561 529 80 81 82 350 101 102 "
vrex_run_program --help >"$work/help.txt"
vrex_check "help gives the usage" grep -q -- '--report FILE' "$work/help.txt"

# The report window of the running program.
vrex_start_program
vrex_check "main window appears" vrex_wine_tool wait "$title" 30000
vrex_wine_tool click "$title" 101 10 10  # ReportBtn
vrex_check "report window opens" vrex_wine_tool wait "$report_title" 10000
vrex_check "report window is 310 x 375" grep -q '^outer 310 375 ' <<<"$(vrex_wine_tool info "$report_title")"
vrex_wine_tool click-row "$report_title" 201 0  # opens the first section
vrex_wine_tool settle 300
vrex_wine_tool click-row "$report_title" 201 1 20  # basic information's check box
vrex_wine_tool click-row "$report_title" 201 8 20  # the third section's header... (row 8: Internet)
vrex_wine_tool settle 300
vrex_wine_tool rows "$report_title" 201 >"$work/rows.txt"
vrex_wine_screenshot "$VREX_SCREENSHOTS/report-window.png"
vrex_wine_tool click "$report_title" 213 10 10  # Save
vrex_check "save dialog opens" vrex_wine_tool wait "Save As" 30000
vrex_wine_tool settle 500
vrex_wine_screenshot "$VREX_SCREENSHOTS/report-save-dialog.png"
vrex_wine_tool type-file "Save As" "$(vrex_wine_path "$work/saved.htm")"
vrex_wine_tool gone "Save As" 10000
waited=0
while [ ! -s "$work/saved.htm" ] && [ $waited -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
vrex_check "save writes the whole HTML document" grep -qx '</HTML>' <(tr -d '\r' <"$work/saved.htm")
vrex_check "save holds the ticked sub-item" grep -q '#000080" size="4">Basic information:' "$work/saved.htm"

# Saving over that file asks first (Wine's prompt is titled "Error"); No
# keeps the file and leaves the dialog open.
saved=$(md5sum <"$work/saved.htm")
vrex_wine_tool click "$title" 101 10 10
vrex_wine_tool wait "$report_title" 10000
vrex_wine_tool click-row "$report_title" 201 0
vrex_wine_tool settle 300
vrex_wine_tool click-row "$report_title" 201 1 20
vrex_wine_tool click "$report_title" 213 10 10  # Save
vrex_wine_tool wait "Save As" 30000
vrex_wine_tool type-file "Save As" "$(vrex_wine_path "$work/saved.htm")"
vrex_wine_tool settle 1000
vrex_wine_tool children "Error" >"$work/prompt.txt"
vrex_wine_screenshot "$VREX_SCREENSHOTS/report-save-replace-prompt.png"
vrex_check "save over an existing file asks first" grep -q 'File already exists' "$work/prompt.txt"
vrex_wine_tool command "Error" 7  # No
vrex_wine_tool settle 500
vrex_wine_tool command "Save As" 2  # the dialog's Cancel
vrex_wine_tool gone "Save As" 10000
vrex_check "no to replacing keeps the file" vrex_said "$work/prompt.txt" "already exists" \
  test "$(md5sum <"$work/saved.htm")" = "$saved"

# Send with the first section wholly selected through the list's pop-up
# menu: the right button released at 40,10 of the list brings it at 50,20 of
# the frame (the point plus 10 each way).
vrex_wine_tool click "$title" 101 10 10
vrex_wine_tool wait "$report_title" 10000
vrex_wine_tool click-row "$report_title" 201 0
vrex_wine_tool settle 300
vrex_wine_tool right-click-row "$report_title" 201 0 40
vrex_wine_tool menu-pick "$report_title" 0 >"$work/menu.txt"  # SelAll1
vrex_check "the pop-up menu stands at the mouse point plus 10" grep -qx 'menu at 50 20' <(tr -d '\r' <"$work/menu.txt")
vrex_wine_tool settle 300
vrex_wine_screenshot "$VREX_SCREENSHOTS/report-select-all.png"
vrex_wine_tool click "$report_title" 212 10 10  # Send
waited=0
while [ ! -s "$VREX_DIST/Vmail/vrmail.log" ] && [ $waited -lt 200 ]; do sleep 0.1; waited=$((waited + 1)); done
vrex_check "send starts the mail program with both files" grep -qF \
  "command line: \"$(vrex_wine_path "$VREX_DIST/Network")\\..\\Vmail\\VrMail.exe\" \" \" \"..\\Vmail\\report.txt\" \"..\\Vmail\\report.htm\"" \
  <(tr -d '\r' <"$VREX_DIST/Vmail/vrmail.log")
vrex_check "send: the text file was complete" grep -q '^report.txt: complete' <(tr -d '\r' <"$VREX_DIST/Vmail/vrmail.log")
vrex_check "send: the HTML file was complete" grep -q '^report.htm: complete' <(tr -d '\r' <"$VREX_DIST/Vmail/vrmail.log")
vrex_check "send: all seven sub-items of the first section" test "$(headings "$VREX_DIST/Vmail/report.htm")" = 7

# Cancel and the close box produce nothing: said only of a window that was there.
rm -f "$VREX_DIST/Vmail/report.txt" "$VREX_DIST/Vmail/report.htm"
for way in cancel close; do
  vrex_wine_tool click "$title" 101 10 10
  opened=""
  vrex_wine_tool wait "$report_title" 10000 && opened=yes
  vrex_wine_tool click-row "$report_title" 201 0
  vrex_wine_tool command "$report_title" 221
  if [ $way = cancel ]; then vrex_wine_tool click "$report_title" 214 10 10; else vrex_wine_tool close "$report_title"; fi
  vrex_check "$way: the report window closes" vrex_once "$opened" vrex_wine_tool gone "$report_title" 10000
  vrex_wine_tool settle 1000
  vrex_check "$way: no dialog follows" vrex_once "$opened" test -z "$(vrex_wine_tool wait "Save As" 500 && echo shown)"
  vrex_check "$way: nothing is written" vrex_once "$opened" test ! -e "$VREX_DIST/Vmail/report.txt"
done
vrex_wine_tool close "$title"
vrex_check "closes cleanly" vrex_wait_program 20
