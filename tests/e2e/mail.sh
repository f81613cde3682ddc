# The shipped mail program VrMail.exe, started by the report window's Send:
# with our test MAPI32.dll, which records what it is handed, it hands the
# report over as a new message; without MAPI it says where the report is.
title="Vrex Info Network"
box="Send report"
vmail="$VREX_DIST/Vmail"
work="$VREX_DIST/../mail"
rm -rf "$work" && mkdir -p "$work"

# Starts the program with that load order of MAPI32 and sends basic information.
send_with_mapi() {
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mapi32=$1" vrex_start_program
  vrex_wine_tool wait "$title" 30000 || return 1
  vrex_wine_tool click "$title" 101 10 10  # ReportBtn
  vrex_wine_tool wait "Create report" 10000 || return 1
  vrex_wine_tool click-row "Create report" 201 0
  vrex_wine_tool settle 300
  vrex_wine_tool click-row "Create report" 201 1 20
  vrex_wine_tool settle 300
  vrex_wine_tool click "Create report" 212 10 10  # Send
}

cp "$VREX_WIN_BUILD/testmapi/MAPI32.dll" "$vmail/MAPI32.dll"
vrex_check "the program starts and its report window sends" send_with_mapi n
waited=0
while [ ! -e "$vmail/mapi.log" ] && [ $waited -lt 200 ]; do sleep 0.1; waited=$((waited + 1)); done
printf '%s\n' "session: 0" "window: 0" "flags: 9" "subject: Vrex Info Report" "recipients: 0" \
  "attachment path: $(vrex_wine_path "$vmail/report.htm")" "attachment name: report.htm" \
  "attachment position: 4294967295" "body:" >"$work/want.txt"
vrex_check "send: the new message has the subject and the HTML report attached" \
  diff "$work/want.txt" <(sed '/^body:$/q' "$vmail/mapi.log")
vrex_check "send: the message's body is the text report" bash -c \
  'grep -q "Basic information:" "$2" && cmp <(sed "1,/^body:$/d" "$1") "$2"' _ "$vmail/mapi.log" "$vmail/report.txt"
vrex_check "send: a message handed over needs no word" \
  vrex_said "$vmail/mapi.log" "body:" test -z "$(vrex_wine_tool wait "$box" 2000 && echo shown)"
vrex_wine_tool close "$title"
vrex_wait_program 20

# No Simple MAPI at all: the box says so and names both files in full.
rm -f "$vmail/MAPI32.dll" "$vmail/mapi.log"
send_with_mapi ""
shown=$(vrex_wine_tool wait "$box" 20000 && echo yes)
vrex_check "without MAPI a message box appears" test -n "$shown"
vrex_wine_tool settle 500
vrex_wine_screenshot "$VREX_SCREENSHOTS/mail-without-mapi.png"
vrex_wine_tool children "$box" | tr -d '\r' >"$work/box.txt"
says_where() {
  grep -qF "No mail program could be reached: none is installed for Simple MAPI (MAPI32.DLL)." "$1" &&
    grep -qxF "$(vrex_wine_path "$vmail/report.txt")" "$1" && grep -qF "$(vrex_wine_path "$vmail/report.htm")" "$1"
}
vrex_check "without MAPI: the box says no mail program was reached and names both files" \
  vrex_once "$shown" says_where "$work/box.txt"
vrex_wine_tool command "$box" 1  # OK
vrex_wine_tool close "$title"
vrex_check "closes cleanly" vrex_wait_program 20
