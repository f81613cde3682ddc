# The program starts under Wine, loads its language module, shows the main
# window captioned from it and closes cleanly; for a 9x and an NT setting.
title="Vrex Info Network"
for version in win98 winxp; do
  vrex_wine_version "$version"
  rm -f "$VREX_DIST/Network/VrexNet.ini"
  vrex_start_program
  vrex_check "$version: main window appears" vrex_wine_tool wait "$title" 30000
  info=$(vrex_wine_tool info "$title")
  vrex_check "$version: main window is 587 x 486" grep -q '^outer 587 486 ' <<<"$info"
  children=$(vrex_wine_tool children "$title")
  vrex_check "$version: captions come from the language module" \
    bash -c '! grep -q "No load message" <<<"$1" && grep -q "Report" <<<"$1"' _ "$children"
  vrex_check "$version: RunLang written" test "$(vrex_ini_value RunLang)" = EN
  vrex_wine_tool settle 500
  vrex_wine_screenshot "$VREX_SCREENSHOTS/first-window-$version.png"
  vrex_wine_tool close "$title"
  vrex_check "$version: closes cleanly" vrex_wait_program 20
done
