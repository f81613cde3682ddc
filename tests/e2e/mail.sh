# The shipped mail program VrMail.exe, started by the report window's Send:
# with a Simple MAPI library (our test one, which records what it is handed)
# it hands the report over as a new message; without one it says where the
# report is.
title="Vrex Info Network"
report_title="Create report"
box_title="Send report"
vmail="$VREX_DIST/Vmail"
work="$VREX_DIST/../mail"
rm -rf "$work" && mkdir -p "$work"
vrex_wine_version winxp

# Opens the report window, ticks basic information and chooses Send.
send_basic_information() {
  vrex_wine_tool click "$title" 101 10 10  # ReportBtn
  vrex_wine_tool wait "$report_title" 10000 || return 1
  vrex_wine_tool click-row "$report_title" 201 0
  vrex_wine_tool settle 300
  vrex_wine_tool click-row "$report_title" 201 1 20
  vrex_wine_tool settle 300
  vrex_wine_tool click "$report_title" 212 10 10  # Send
}

vrex_check "the mail program is shipped in Vmail" test -s "$vmail/VrMail.exe"
cp "$VREX_WIN_BUILD/testmapi/MAPI32.dll" "$vmail/MAPI32.dll"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mapi32=n" vrex_start_program
vrex_check "main window appears" vrex_wine_tool wait "$title" 30000
send_basic_information
waited=0
while [ ! -e "$vmail/mapi.log" ] && [ $waited -lt 200 ]; do sleep 0.1; waited=$((waited + 1)); done
cat >"$work/want.txt" <<WANT
session: 0
window: 0
flags: 9
subject: Vrex Info Report
recipients: 0
attachment path: $(vrex_wine_path "$vmail/report.htm")
attachment name: report.htm
attachment position: 4294967295
body:
WANT
sed '/^body:$/q' "$vmail/mapi.log" >"$work/got.txt" 2>/dev/null
vrex_check "send: the new message has the subject and the HTML report attached" diff "$work/want.txt" "$work/got.txt"
sed '1,/^body:$/d' "$vmail/mapi.log" >"$work/body.txt" 2>/dev/null
vrex_check "send: the message's body is the text report" \
  bash -c 'grep -q "Basic information:" "$1" && cmp "$1" "$2"' _ "$work/body.txt" "$vmail/report.txt"
vrex_check "send: a message handed over needs no word" \
  vrex_said "$vmail/mapi.log" "body:" test -z "$(vrex_wine_tool wait "$box_title" 2000 && echo shown)"
vrex_wine_tool close "$title"
vrex_wait_program 20

# No Simple MAPI at all: the mail program says so, naming both files.
rm -f "$vmail/MAPI32.dll" "$vmail/mapi.log"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mapi32=" vrex_start_program
vrex_wine_tool wait "$title" 30000
send_basic_information
shown=""
vrex_wine_tool wait "$box_title" 20000 && shown=yes
vrex_check "without MAPI a message box appears" test -n "$shown"
vrex_wine_tool settle 500
vrex_wine_screenshot "$VREX_SCREENSHOTS/mail-without-mapi.png"
vrex_wine_tool children "$box_title" | tr -d '\r' >"$work/box.txt"
vrex_check "without MAPI: the box says no mail program could be reached" vrex_once "$shown" grep -qF \
  "No mail program could be reached: none is installed for Simple MAPI (MAPI32.DLL)." "$work/box.txt"
# Each file on a line of its own, the HTML file's followed by the control's state.
names_files() { grep -qxF "$(vrex_wine_path "$vmail/report.txt")" "$1" && grep -qF "$(vrex_wine_path "$vmail/report.htm")" "$1"; }
vrex_check "without MAPI: the box names both files in full" vrex_once "$shown" names_files "$work/box.txt"
vrex_wine_tool command "$box_title" 1  # OK
vrex_check "without MAPI: OK closes the box" vrex_once "$shown" vrex_wine_tool gone "$box_title" 10000
vrex_wine_tool close "$title"
vrex_check "closes cleanly" vrex_wait_program 20
