# The real program's network adapters page on the device fixtures, with the
# database the build generated (the page texts of every version setting are
# checked in the Windows setting tests), and a damaged database.
title="Vrex Info Network"
vrex_wine_reg tests/fixtures/devices_*.reg

# The row kinds of the page after clicking the left pane's row $1 (the first
# section's header is row 0, its sub-items follow): H header, L line.
page_kinds() {
  vrex_wine_tool click-row "$title" 111 "$1"
  vrex_wine_tool settle 500
  vrex_wine_tool rows "$title" 112 | cut -f2 | sed 's/^header$/H/; s/^line$/L/' | tr -d '\r\n'
}

# Eight headers, the adapters section (the third) open with its lines.  A
# loaded machine may take longer than one settle to build the page, so the
# clicks are tried up to four times.
adapters_page_has_lines() {
  local try
  for try in 1 2 3 4; do
    # The first section's header opens it; a second click would close it.
    if [ "$(vrex_wine_tool rows "$title" 111 | sed -n 2p | cut -f2 | tr -d '\r')" != line ]; then
      vrex_wine_tool click-row "$title" 111 0
      vrex_wine_tool settle $((300 * try))
    fi
    grep -qE '^H{3}L+H{5}$' <<<"$(page_kinds 2)" && return 0
  done
  return 1
}

cards_named_without_chipset_parts() {
  local rows
  rows=$(vrex_wine_tool rows "$title" 112)
  grep -q "82540EM Gigabit Ethernet Controller" <<<"$rows" && ! grep -qi "SM Bus\|SMBus" <<<"$rows"
}

for version in win98 nt40 win2k winxp; do
  vrex_wine_version "$version"
  vrex_start_program
  vrex_check "$version: main window appears" vrex_wine_tool wait "$title" 30000
  vrex_check "$version: the adapters page has lines" adapters_page_has_lines
  # The XP machine's chipset SMBus controller has no driver: no network adapter.
  [ "$version" = winxp ] && vrex_check "$version: the cards are named, a chipset part is no network adapter" \
    cards_named_without_chipset_parts
  vrex_wine_screenshot "$VREX_SCREENSHOTS/devices-$version-adapters.png"
  vrex_wine_tool close "$title"
  vrex_check "$version: closes cleanly" vrex_wait_program 20
done

# A database line that cannot be deciphered: the error is shown once, then
# start-up goes on and the window comes.
vrex_wine_version winxp
printf 'not hexadecimal\r\n' >"$VREX_DIST/SHARED/DATABASES/net.txt"
vrex_start_program
vrex_check "damaged database: the error is shown" vrex_wine_tool wait "$title" 30000
vrex_check "damaged database: with the cipher's message" \
  grep -q "TCryptLib: decrypting error - not hexlook string" <<<"$(vrex_wine_tool children "$title")"
vrex_wine_screenshot "$VREX_SCREENSHOTS/devices-damaged-database.png"
vrex_wine_tool close "$title"
vrex_wine_tool settle 1000
vrex_check "damaged database: the main window follows" vrex_wine_tool wait "$title" 30000
vrex_check "damaged database: the adapters page has lines" adapters_page_has_lines
vrex_wine_tool close "$title"
vrex_check "damaged database: closes cleanly" vrex_wait_program 20
