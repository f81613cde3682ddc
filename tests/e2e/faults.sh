# Runs that cannot complete: a fault in the start-up gathering (our SNMP test
# agent, told to, writes to an unmapped address in its first query, inside
# the main window's WM_CREATE) is reported, never swallowed: the window
# program shows it in a message box with its title, the command-line report
# writes it to standard error and exits non-zero.  Neither that nor a full
# disk leaves a half-written report: the old file stays as it was.
title="Vrex Info Network"
work="$VREX_DIST/../faults"
rm -rf "$work" && mkdir -p "$work"
vrex_wine_version winxp
cp "$VREX_WIN_BUILD/testagent/inetmib1.dll" "$VREX_DIST/Network/inetmib1.dll"
echo fault >"$VREX_DIST/Network/connections.txt"

# Runs the program with the arguments from its folder; stderr into $work/stderr.
report() {
  (cd "$VREX_DIST/Network" && WINEDLLOVERRIDES="$WINEDLLOVERRIDES;inetmib1=n" wine ./VrexNet.exe "$@" 2>"$work/stderr")
}

# Wine's callers of a window procedure swallow a fault: it reaches the
# handler through the exception registration record the window procedure puts
# on the 32-bit chain, which a 64-bit program does not have.
if [ "${VREX_WINE_BITS:-32}" = 64 ]; then
  vrex_skip "fault in WM_CREATE: shown in a message box" \
    "32-bit program only: a window procedure's fault reaches the handler through the 32-bit exception registration record"
else
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;inetmib1=n" vrex_start_program
  vrex_check "fault in WM_CREATE: a message box with the program's title" vrex_wine_tool wait "$title" 30000
  message=$(vrex_wine_tool children "$title")
  echo "$message" | tr -d '\r' | sed 's/^/  /'
  vrex_check "fault in WM_CREATE: the box names the fault code" grep -qF "Fault code: C0000005" <<<"$message"
  vrex_check "fault in WM_CREATE: the box names the agent's module" grep -qiF "Module: inetmib1.dll" <<<"$message"
  vrex_wine_tool close "$title"
  # The run ends with the fault code, whose low byte (05) is all the exit status keeps.
  vrex_wait_program 20
  vrex_check "fault in WM_CREATE: the program ends with the fault code" test $? -eq 5
fi

printf 'old\r\n' >"$work/kept.txt"
report --report "$(vrex_wine_path "$work/kept.txt")"
status=$?
tr -d '\r' <"$work/stderr" | grep -v '^[0-9a-f]*:' | sed 's/^/  /'
# What was not written counts only once the program has said why.
reported() { vrex_said "$work/stderr" "$@"; }
vrex_check "fault in the command-line report: ends with the fault code" test $status -eq 5
vrex_check "fault in the command-line report: the fault on standard error" \
  grep -qF "Fault code: C0000005" "$work/stderr"
vrex_check "fault in the command-line report: the old file stays intact" \
  reported "Fault code: C0000005" test "$(cat "$work/kept.txt")" = $'old\r'
vrex_check "fault in the command-line report: nothing else written" \
  reported "Fault code: C0000005" test "$(ls "$work")" = "kept.txt
stderr"
rm -f "$VREX_DIST/Network/connections.txt" "$VREX_DIST/Network/inetmib1.dll"

# A full disk: a small file system of its own, filled up.
disk="$work/disk"
mkdir -p "$disk"
if mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  printf 'old\r\n' >"$disk/full.txt"
  dd if=/dev/zero of="$disk/filler" bs=1k 2>/dev/null
  (cd "$VREX_DIST/Network" && wine ./VrexNet.exe --report "$(vrex_wine_path "$disk/full.txt")" --items 540 2>"$work/stderr")
  status=$?
  vrex_check "full disk: exit status 1" reported full.txt test $status -eq 1
  vrex_check "full disk: the message names the file" grep -q 'full.txt' "$work/stderr"
  vrex_check "full disk: the old file stays intact" reported full.txt test "$(cat "$disk/full.txt")" = $'old\r'
  vrex_check "full disk: no spare file is left" reported full.txt test "$(ls "$disk" | tr '\n' ' ')" = "filler full.txt "
  umount "$disk"
else
  echo "full disk: this machine allows no tmpfs mount; the file port's tests cover it"
fi
