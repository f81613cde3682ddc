# The program under Wine for a 9x and three NT settings: it loads its language
# module, shows the main window at its design size captioned from it, builds a page
# when a left sub-item is clicked (its rows read through the list's list box
# queries), and closes cleanly.
title="Vrex Info Network"
for version in win98 nt40 win2k winxp; do
  vrex_wine_version "$version"
  rm -f "$VREX_DIST/Network/VrexNet.ini"
  vrex_start_program
  vrex_check "$version: main window appears" vrex_wine_tool wait "$title" 30000
  info=$(vrex_wine_tool info "$title")
  vrex_check "$version: main window is 587 x 486" grep -q '^outer 587 486 ' <<<"$info"
  children=$(vrex_wine_tool children "$title")
  vrex_check "$version: captions come from the language module" \
    bash -c '! grep -q "No load message" <<<"$1" && grep -q "	Report	" <<<"$1" && grep -q "Network information" <<<"$1"' _ "$children"
  vrex_check "$version: RunLang written" test "$(vrex_ini_value RunLang)" = EN
  vrex_wine_tool settle 300
  vrex_wine_screenshot "$VREX_SCREENSHOTS/main-$version-start.png"
  # Open the first section, then its Winsock sub-item (row 6).
  vrex_wine_tool click-row "$title" 111 0
  vrex_wine_tool settle 300
  vrex_wine_tool click-row "$title" 111 6
  vrex_wine_tool settle 800
  vrex_wine_screenshot "$VREX_SCREENSHOTS/main-$version-page.png"
  # The page's rows, H for a header and L for a line: eight sections, the
  # Winsock one (the seventh) open with its four lines, and four more for each
  # connection collected at start-up except under Windows NT 4.0.
  kinds=$(vrex_wine_tool rows "$title" 112 | cut -f2 | sed 's/^header$/H/; s/^line$/L/' | tr -d '\r\n')
  if [ "$version" = nt40 ]; then winsock='L{4}'; else winsock='(L{4})+'; fi
  vrex_check "$version: Winsock page holds the eight headers and the Winsock lines" \
    grep -qE "^H{7}${winsock}H\$" <<<"$kinds"
  vrex_wine_tool close "$title"
  vrex_check "$version: closes cleanly" vrex_wait_program 20
done

# Another process asks for a 20,000-character row: through the row text
# channel it gets the whole row; by LB_GETTEXT with a small buffer of its own
# it gets nothing, and the program lives on.
vrex_wine_version winxp
long_name=$(head -c 20000 /dev/zero | tr '\0' 'N')
long_reg=$(mktemp --suffix=.reg)
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon]\r\n"DefaultUserName"="%s"\r\n' \
  "$long_name" >"$long_reg"
vrex_wine_reg "$long_reg"
vrex_start_program
vrex_check "long row: main window appears" vrex_wine_tool wait "$title" 30000
vrex_wine_tool click-row "$title" 111 0
vrex_wine_tool settle 300
vrex_wine_tool click-row "$title" 111 1
vrex_wine_tool settle 800
long_row=$(vrex_wine_tool rows "$title" 112 | grep -n "$long_name" | cut -d: -f1 | head -1)
vrex_check "long row: the row text channel carries the whole row" test -n "$long_row"
for row in $(seq 0 12); do vrex_wine_tool raw-gettext "$title" 112 "$row" | tr -d "\r" >>"$long_reg.answers"; done
vrex_check "long row: LB_GETTEXT from another process is refused" \
  vrex_said "$long_reg.answers" "length" test -z "$(grep -v -- '-1$' "$long_reg.answers")"
vrex_check "long row: the program lives on" vrex_wine_tool wait "$title" 2000
vrex_wine_tool close "$title"
vrex_check "long row: closes cleanly" vrex_wait_program 20
# The later runs share this prefix: the long name goes again.
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon]\r\n"DefaultUserName"=-\r\n' \
  >"$long_reg"
vrex_wine_reg "$long_reg"
rm -f "$long_reg" "$long_reg.answers"
