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
vrex_check "path as language code: not the module behind the path" \
  bash -c 'grep -q "	Report	" <<<"$1" && ! grep -q "	Bericht	" <<<"$1"' _ "$window"
vrex_check "path as language code: English is wanted" test "$(vrex_ini_value Language)" = EN
vrex_check "path as language code: English is in force" test "$(vrex_ini_value RunLang)" = EN
vrex_wine_tool close "$title"
vrex_check "path as language code: closes cleanly" vrex_wait_program 20

# A damaged English module whose string table points outside its image:
# start-up completes, every caption is the fallback text, and the window
# answers clicks.
u16() { od -An -tu2 -j"$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j"$2" -N4 "$1" | tr -d ' '; }
put32() {
  local v=$3
  printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)))" |
    dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
# The entries of the resource directory at $2 (named and numbered), one offset a line.
directory_entries() {
  local count i
  count=$(($(u16 "$1" $(($2 + 12))) + $(u16 "$1" $(($2 + 14)))))
  for ((i = 0; i < count; i++)); do echo $(($2 + 16 + 8 * i)); done
}
# Points every string-table data entry of the module at an address far past its image.
damage_string_table() {
  local file=$1 pe opt directories sections section rva base="" i va size raw entry level2 e2 level3 e3 damaged=0
  pe=$(u32 "$file" 60)
  sections=$(u16 "$file" $((pe + 6)))
  opt=$((pe + 24))
  # The data directories follow 96 bytes of a 32-bit module's optional header, 112 of a 64-bit one's.
  if [ "$(u16 "$file" "$opt")" = $((0x20b)) ]; then directories=$((opt + 112)); else directories=$((opt + 96)); fi
  rva=$(u32 "$file" $((directories + 2 * 8)))  # the resource directory
  section=$((opt + $(u16 "$file" $((pe + 20)))))
  for ((i = 0; i < sections; i++)); do
    va=$(u32 "$file" $((section + 12)))
    size=$(u32 "$file" $((section + 16)))
    raw=$(u32 "$file" $((section + 20)))
    if ((rva >= va && rva < va + size)); then base=$((raw + rva - va)); fi
    section=$((section + 40))
  done
  [ -n "$base" ] || return 1
  for entry in $(directory_entries "$file" "$base"); do
    [ "$(u32 "$file" "$entry")" = 6 ] || continue  # string tables
    level2=$((base + ($(u32 "$file" $((entry + 4))) & 0x7FFFFFFF)))
    for e2 in $(directory_entries "$file" "$level2"); do
      level3=$((base + ($(u32 "$file" $((e2 + 4))) & 0x7FFFFFFF)))
      for e3 in $(directory_entries "$file" "$level3"); do
        put32 "$file" $((base + $(u32 "$file" $((e3 + 4))))) $((0x7FFF0000))
        damaged=$((damaged + 1))
      done
    done
  done
  [ "$damaged" -gt 0 ]
}

vrex_check "damaged module: its string table now points outside it" damage_string_table "$VREX_DIST/Network/VrexNetEN.dll"
printf '[Options]\r\nLanguage=EN\r\n' >"$VREX_DIST/Network/VrexNet.ini"
vrex_start_program
vrex_check "damaged module: the main window appears" vrex_wine_tool wait "$title" 30000
vrex_wine_tool settle 1000
window=$(vrex_wine_tool children "$title")
vrex_check "damaged module: captions are the fallback text" grep -q "	<No load message>	" <<<"$window"
vrex_check "damaged module: no caption from the module" \
  bash -c 'grep -q "	<No load message>	" <<<"$1" && ! grep -q "	Report	" <<<"$1"' _ "$window"
vrex_wine_tool click-row "$title" 111 0
vrex_wine_tool settle 500
vrex_wine_tool click-row "$title" 111 1
vrex_wine_tool settle 500
vrex_wine_screenshot "$VREX_SCREENSHOTS/language-damaged-module.png"
vrex_check "damaged module: the window answers clicks" vrex_wine_tool wait "$title" 5000
vrex_wine_tool close "$title"
vrex_check "damaged module: the program ended normally" vrex_wait_program 20
