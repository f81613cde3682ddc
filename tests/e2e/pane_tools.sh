# The right pane's menu, Ctrl+C, F5 and the window's size, on the Internet page
# of the fixtures: heading, Mail, Proxy servers (four lines), Browsers, Dial-up.
title="Vrex Info Network"
vrex_wine_reg "$root/tests/fixtures/internet_settings.reg"
vrex_wine_version winxp
rm -f "$VREX_DIST/Network/VrexNet.ini"

# The Internet section's header, then its Proxy servers sub-item.
open_proxy_page() {
  vrex_wine_tool click-row "$title" 111 1 && vrex_wine_tool settle 300
  vrex_wine_tool click-row "$title" 111 3 && vrex_wine_tool settle 500
}
# Picks item ITEM of the pop-up menu on right pane row ROW; SHOT: a screenshot of the menu.
menu_pick() {
  vrex_wine_tool right-click-row "$title" 112 "$1" && vrex_wine_tool settle 500
  [ -z "${3:-}" ] || vrex_wine_screenshot "$3"
  vrex_wine_tool menu-pick "$title" "$2" && vrex_wine_tool settle 300
}
# The clipboard's FORM (text, unicode), or its formats: the placed ones first.
clipboard() { vrex_wine_tool clipboard | tr -d '\r' | grep "^$1	" | cut -f2-; }
rows_of() { vrex_wine_tool rows "$title" 112 | tr -d '\r'; }
kinds() { cut -f2 <<<"$1" | tr -d '\n'; }

vrex_start_program
vrex_check "main window appears" vrex_wine_tool wait "$title" 30000
open_proxy_page
http=' HTTP:                       proxy.example.com:8080 '
https=' HTTPS:                      secure.example.com:443 '
menu_pick 3 0 "$VREX_SCREENSHOTS/pane-menu.png"
vrex_check "Copy puts the line under the mouse on the clipboard" test "$(clipboard text)" = "$http"
menu_pick 2 1
group="Proxy servers\\r\\n$http\\r\\n$https\\r\\n FTP:                        ftp.example.com:21 \\r\\n"
group+=' GOPHER:                     gopher.example.com:70 '
vrex_check "Copy group puts the header and its lines on the clipboard" test "$(clipboard text)" = "$group"
vrex_wine_tool clipboard >"$VREX_SCREENSHOTS/pane-clipboard.txt"
vrex_wine_tool click-row "$title" 112 4
vrex_wine_tool ctrl-key "$title" 112 C && vrex_wine_tool settle 300
vrex_check "Ctrl+C copies the selected line" test "$(clipboard text)" = "$https"
vrex_check "the NT family gets the Unicode form from the program" grep -q '^1 13 ' <<<"$(clipboard formats)"

# F5 with the browsers group open too, after the registry changed.
vrex_wine_tool click-row "$title" 112 7 && vrex_wine_tool settle 300
long_page="http://www.example.com/$(printf 'a long start page address %.0s' 1 2 3 4 5 6)end"
printf 'REGEDIT4\r\n\r\n[%s]\r\n"ProxyServer"="refreshed.example.com:3128"\r\n\r\n[%s]\r\n"Start Page"="%s"\r\n' \
  'HKEY_CURRENT_USER\SOFTWARE\Microsoft\Windows\CurrentVersion\Internet Settings' \
  'HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main' "$long_page" >"$VREX_DIST/../changed.reg"
vrex_wine_reg "$VREX_DIST/../changed.reg"
before=$(rows_of)
vrex_wine_tool key "$title" 112 0x74 && vrex_wine_tool settle 1500
after=$(rows_of)
vrex_wine_screenshot "$VREX_SCREENSHOTS/pane-after-f5.png"
vrex_check "F5 keeps the proxy and browser groups open" \
  vrex_said <(echo "$before") "proxy.example.com:8080" test "$(kinds "$before")" = "$(kinds "$after")"
vrex_check "F5 shows the values read again" \
  bash -c 'grep -q "refreshed.example.com:3128" <<<"$1" && grep -qF "$2" <<<"$1"' _ "$after" "$long_page"

# Maximised: the panes follow and the long start page takes fewer lines.
start_row=$(grep -nF "$long_page" <<<"$after" | head -1 | cut -d: -f1)
row_height() { vrex_wine_tool heights "$title" 112 | tr -d '\r' | cut -d' ' -f"$start_row"; }
narrow=$(row_height)
vrex_wine_tool maximise "$title" && vrex_wine_tool settle 800
vrex_wine_screenshot "$VREX_SCREENSHOTS/pane-maximised.png"
vrex_check "the window maximises over the screen" test "$(vrex_wine_tool info "$title" | cut -d' ' -f2)" -ge 1024
pane_width=$(vrex_wine_tool children "$title" | tr -d '\r' | awk -F '\t' '$1 == 112 { split($3, r, ","); print r[3] }')
vrex_check "the right pane follows the window" test "${pane_width:-0}" -gt 700
vrex_check "the long start page re-wraps to fewer lines" test "$(row_height)" -lt "${narrow:-0}"
vrex_wine_tool close "$title" && vrex_wait_program 20
vrex_check "the place is kept in the INI file" grep -qE '^[-0-9]+,[-0-9]+,587,486,1$' <<<"$(vrex_ini_value WindowPlace)"
vrex_start_program
vrex_check "restart: main window appears" vrex_wine_tool wait "$title" 30000
vrex_check "restart: the window comes maximised" test "$(vrex_wine_tool info "$title" | cut -d' ' -f2)" -ge 1024
vrex_wine_tool close "$title" && vrex_wait_program 20

# Russian, in the code page of its systems: the Unicode form reads right.
printf '[Options]\r\nLanguage=RUS\r\n' >"$VREX_DIST/Network/VrexNet.ini"
LC_ALL=ru_RU.UTF-8 vrex_start_program
vrex_check "RUS: main window appears" vrex_wine_tool wait "$title" 30000
open_proxy_page
menu_pick 2 1 "$VREX_SCREENSHOTS/pane-menu-RUS.png"
vrex_check "RUS: Copy group's Unicode form reads Прокси-серверы" grep -q '^Прокси-серверы\\r\\n HTTP: ' <<<"$(clipboard unicode)"
vrex_wine_tool close "$title" && vrex_wait_program 20

# Windows 95: the text alone.
vrex_wine_version win95 && rm -f "$VREX_DIST/Network/VrexNet.ini"
vrex_start_program
vrex_check "win95: main window appears" vrex_wine_tool wait "$title" 30000
open_proxy_page
vrex_wine_tool click-row "$title" 112 4 && vrex_wine_tool ctrl-key "$title" 112 C && vrex_wine_tool settle 300
formats=$(clipboard formats)
vrex_check "win95: the program places the text alone" \
  vrex_said <(clipboard text) "HTTPS:" bash -c '[[ $1 == "1 "* && $1 != "1 13 "* ]]' _ "$formats"
vrex_wine_tool close "$title" && vrex_wait_program 20

# The later runs share this prefix and this copy of the program.
vrex_wine_reg "$root/tests/fixtures/internet_settings.reg"
rm -f "$VREX_DIST/Network/VrexNet.ini" "$VREX_DIST/../changed.reg"
