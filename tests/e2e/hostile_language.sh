# A language code in the INI file that is a path: the module it leads to,
# outside the program folder, is never loaded (a copy of the German module
# waits there); the missing-module message comes, then English.
title="Vrex Info Network"
vrex_wine_version winxp
mkdir -p "$VREX_DIST/probe/dll"
cp "$VREX_DIST/Network/VrexNetDE.dll" "$VREX_DIST/probe/dll/code.dll"
printf '[Options]\r\nLanguage=\\..\\..\\probe\\dll\\code\r\n' >"$VREX_DIST/Network/VrexNet.ini"
vrex_start_program
vrex_check "path as language code: the missing-module message comes" vrex_wine_tool wait "$title" 30000
message=$(vrex_wine_tool children "$title")
vrex_check "path as language code: the message quotes the code" \
  grep -qF 'mutace \..\..\probe\dll\code modulu neexistuje!' <<<"$message"
vrex_wine_screenshot "$VREX_SCREENSHOTS/language-path-code.png"
vrex_wine_tool close "$title"
vrex_wine_tool settle 1000
vrex_check "path as language code: the main window follows" vrex_wine_tool wait "$title" 30000
vrex_wine_tool settle 1000
window=$(vrex_wine_tool children "$title")
vrex_check "path as language code: the window speaks English" grep -q "	Report	" <<<"$window"
vrex_check "path as language code: not the module behind the path" bash -c '! grep -q "	Bericht	" <<<"$1"' _ "$window"
vrex_check "path as language code: English is wanted" test "$(vrex_ini_value Language)" = EN
vrex_check "path as language code: English is in force" test "$(vrex_ini_value RunLang)" = EN
vrex_wine_tool close "$title"
vrex_check "path as language code: closes cleanly" vrex_wine_tool gone "$title" 20000
