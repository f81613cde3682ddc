# The right pane's pop-up menu, Ctrl+C and F5, and the window's size: the
# copied rows read back from the clipboard, the page after F5 with its groups
# still open and the registry's new values, the smallest size, the maximised
# window with its long value on fewer lines, and the place kept for the next
# start, clamped to the screen.  On the Internet section's page of the
# registry fixtures: heading, Mail, Proxy servers (four lines), Browsers,
# Dial-up.
title="Vrex Info Network"
fixtures="$root/tests/fixtures"
work="$VREX_DIST/../pane_tools"
mkdir -p "$work"
vrex_wine_reg "$fixtures/internet_settings.reg"
vrex_wine_version winxp
rm -f "$VREX_DIST/Network/VrexNet.ini"

# The proxy page opened: the Internet section's header, then its Proxy servers sub-item.
open_proxy_page() {
  vrex_wine_tool click-row "$title" 111 1
  vrex_wine_tool settle 300
  vrex_wine_tool click-row "$title" 111 3
  vrex_wine_tool settle 500
}
clipboard() { vrex_wine_tool clipboard | tr -d '\r' | grep "^$1	" | cut -f2-; }
rows_of() { vrex_wine_tool rows "$title" 112 | tr -d '\r'; }

vrex_start_program
vrex_check "main window appears" vrex_wine_tool wait "$title" 30000
vrex_check "the window starts at the smallest size" grep -q '^outer 587 486 ' <<<"$(vrex_wine_tool info "$title")"
open_proxy_page

# Copy: the line under the mouse, in the text report's form.
http=' HTTP:                       proxy.example.com:8080 '
vrex_wine_tool right-click-row "$title" 112 3
vrex_wine_tool settle 500
vrex_wine_screenshot "$VREX_SCREENSHOTS/pane-menu.png"
vrex_wine_tool menu-pick "$title" 0
vrex_wine_tool settle 300
vrex_check "Copy puts the line under the mouse on the clipboard" test "$(clipboard text)" = "$http"
vrex_check "Copy puts its Unicode form there too" test "$(clipboard unicode)" = "$http"
# Copy group: the header and every line, CR LF between them.
vrex_wine_tool right-click-row "$title" 112 2
vrex_wine_tool settle 300
vrex_wine_tool menu-pick "$title" 1
vrex_wine_tool settle 300
group='Proxy servers\r\n'"$http"'\r\n HTTPS:                      secure.example.com:443 \r\n'
group+=' FTP:                        ftp.example.com:21 \r\n GOPHER:                     gopher.example.com:70 '
vrex_check "Copy group puts the header and its lines on the clipboard" test "$(clipboard text)" = "$group"
vrex_wine_tool clipboard >"$VREX_SCREENSHOTS/pane-clipboard.txt"
# Ctrl+C: the selected line.
vrex_wine_tool click-row "$title" 112 4
vrex_wine_tool ctrl-key "$title" 112 C
vrex_wine_tool settle 300
vrex_check "Ctrl+C copies the selected line" test "$(clipboard text)" = ' HTTPS:                      secure.example.com:443 '

# F5: the browsers group opened too, the registry changed, then F5 in the pane.
vrex_wine_tool click-row "$title" 112 7
vrex_wine_tool settle 300
long_page="http://www.example.com/$(printf 'a long start page address %.0s' 1 2 3 4 5 6)end"
cat >"$work/changed.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]
"ProxyServer"="refreshed.example.com:3128"

[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]
"Start Page"="$long_page"
REG
vrex_wine_reg "$work/changed.reg"
kinds() { cut -f2 <<<"$1" | sed 's/^header$/H/; s/^line$/L/' | tr -d '\n'; }
before=$(rows_of)
vrex_wine_tool key "$title" 112 0x74
vrex_wine_tool settle 1500
after=$(rows_of)
vrex_wine_screenshot "$VREX_SCREENSHOTS/pane-after-f5.png"
vrex_check "F5 keeps the proxy and browser groups open" \
  vrex_said <(echo "$before") "proxy.example.com:8080" test "$(kinds "$before")" = "$(kinds "$after")"
vrex_check "F5 shows the proxy server read again" grep -q "refreshed.example.com:3128" <<<"$after"
vrex_check "F5 shows the start page read again" grep -qF "$long_page" <<<"$after"

# Resize: never below the smallest size; maximised, the panes follow and the
# long start page takes fewer lines.
start_row=$(grep -nF "$long_page" <<<"$after" | head -1 | cut -d: -f1)
row_height() { vrex_wine_tool heights "$title" 112 | tr -d '\r' | cut -d' ' -f"$start_row"; }
narrow=$(row_height)
vrex_wine_tool resize "$title" 300 200
vrex_wine_tool settle 300
vrex_check "the window does not size below 587 x 486" grep -q '^outer 587 486 ' <<<"$(vrex_wine_tool info "$title")"
vrex_wine_tool maximise "$title"
vrex_wine_tool settle 800
maximised=$(vrex_wine_tool info "$title" | tr -d '\r')
echo "maximised: $maximised; start page row $start_row: $narrow px narrow, $(row_height) px wide"
vrex_wine_screenshot "$VREX_SCREENSHOTS/pane-maximised.png"
vrex_check "the window maximises over the screen" test "$(cut -d' ' -f2 <<<"$maximised")" -ge 1024
pane_width=$(vrex_wine_tool children "$title" | tr -d '\r' | awk -F '\t' '$1 == 112 { split($3, r, ","); print r[3] }')
vrex_check "the right pane follows the window" test "${pane_width:-0}" -gt 700
vrex_check "the long start page re-wraps to fewer lines" test "$(row_height)" -lt "${narrow:-0}"
vrex_wine_tool close "$title"
vrex_check "closes cleanly" vrex_wait_program 20
vrex_check "the maximised place is kept in the INI file" grep -qE '^[-0-9]+,[-0-9]+,587,486,1$' <<<"$(vrex_ini_value WindowPlace)"

# The next start comes maximised; a place beyond the screen comes back onto it.
vrex_start_program
vrex_check "restart: main window appears" vrex_wine_tool wait "$title" 30000
vrex_check "restart: the window comes maximised" test "$(vrex_wine_tool info "$title" | cut -d' ' -f2)" -ge 1024
vrex_wine_tool close "$title"
vrex_wait_program 20
printf '[Options]\r\nWindowPlace=5000,5000,700,500,0\r\n' >"$VREX_DIST/Network/VrexNet.ini"
vrex_start_program
vrex_check "off screen: main window appears" vrex_wine_tool wait "$title" 30000
place=$(vrex_wine_tool info "$title" | tr -d '\r')
echo "off screen: $place"
vrex_check "off screen: the kept size, on the screen" \
  awk '$2 == 700 && $3 == 500 && $10 + 700 <= 1024 && $11 + 500 <= 768 && $10 >= 0 && $11 >= 0 { ok = 1 } END { exit !ok }' <<<"$place"
vrex_wine_tool close "$title"
vrex_wait_program 20

# Russian in the code page of its systems: the Unicode form reads right.
printf '[Options]\r\nLanguage=RUS\r\n' >"$VREX_DIST/Network/VrexNet.ini"
LC_ALL=ru_RU.UTF-8 vrex_start_program
vrex_check "RUS: main window appears" vrex_wine_tool wait "$title" 30000
open_proxy_page
vrex_wine_tool right-click-row "$title" 112 2
vrex_wine_tool settle 500
vrex_wine_screenshot "$VREX_SCREENSHOTS/pane-menu-RUS.png"
vrex_wine_tool menu-pick "$title" 1
vrex_wine_tool settle 300
vrex_check "RUS: Copy group's Unicode form reads Прокси-серверы" \
  grep -q '^Прокси-серверы\\r\\n HTTP: ' <<<"$(LC_ALL=ru_RU.UTF-8 vrex_wine_tool clipboard | tr -d '\r' | grep '^unicode' | cut -f2-)"
vrex_wine_tool close "$title"
vrex_wait_program 20

# The later runs share this prefix and this copy of the program.
vrex_wine_reg "$fixtures/internet_settings.reg"
rm -f "$VREX_DIST/Network/VrexNet.ini"
rm -rf "$work"
