# Wine test harness, sourced by the test and run scripts.
#
#   vrex_wine_start DIR     throwaway prefix in DIR, Xvfb, persistent wineserver
#   vrex_wine_version V     Windows version setting: win95 win98 winme nt40 win2k winxp win7
#   vrex_wine_reg FILE...   writes REGEDIT4 files through the registry API (HKEY_DYN_DATA too)
#   vrex_wine EXE ARGS...   runs a program in the prefix (inside the virtual desktop)
#   vrex_wine_bg EXE ARGS... same, in the background; its pid in VREX_BG_PID
#   vrex_wine_tool ARGS...  the window driver (wait, children, click, key, close ...)
#   vrex_wine_screenshot F  screenshot of the virtual desktop as PNG
#   vrex_wine_stop          ends only what vrex_wine_start started
#
# Needs VREX_WIN_BUILD (the MinGW build folder with tools/regwrite.exe and tools/wintool.exe).

vrex_wine_start() {
  local dir=$1
  rm -rf "$dir"
  mkdir -p "$dir"
  export WINEPREFIX="$dir/prefix"
  export WINEDEBUG=-all
  export VREX_HARNESS=1
  export WINEARCH=win64
  # No Mono or Gecko prompts in a throwaway prefix, and no debugger waiting
  # on a crashed program: a crash ends the program and fails its test.
  export WINEDLLOVERRIDES="mscoree=;mshtml=;winedbg.exe=d"
  local displayFile="$dir/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayFile" >/dev/null 2>&1 &
  VREX_XVFB_PID=$!
  local waited=0
  while [ ! -s "$displayFile" ] && [ $waited -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
  export DISPLAY=":$(cat "$displayFile")"
  wineboot -i >/dev/null 2>&1 || true
  # Persistent: programs start warm, and HKEY_DYN_DATA lives as long as the server.
  wineserver -p 2>/dev/null || true
  # Window frames and captions need Wine's virtual desktop and its fonts.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  cat >"$dir/desktop.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
  vrex_wine_reg "$dir/desktop.reg"
  # The desktop setting is read when the desktop starts: start afresh.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p 2>/dev/null || true
}

vrex_wine_version() {
  local file="$WINEPREFIX/../version.reg"
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="%s"\n' "$1" >"$file"
  vrex_wine_reg "$file"
}

# The Windows form of an absolute Unix path: Wine maps / to drive Z:.
vrex_wine_path() {
  local path
  path=$(realpath -m "$1")
  printf 'Z:%s' "${path//\//\\}"
}

vrex_wine_reg() {
  local file paths=()
  for file in "$@"; do paths+=("$(vrex_wine_path "$file")"); done
  wine "$VREX_WIN_BUILD/tools/regwrite.exe" "${paths[@]}"
}

vrex_wine() { wine "$@"; }

vrex_wine_bg() {
  wine "$@" &
  VREX_BG_PID=$!
}

vrex_wine_tool() { wine "$VREX_WIN_BUILD/tools/wintool.exe" "$@"; }

vrex_wine_screenshot() {
  import -display "$DISPLAY" -window root "$1" 2>/dev/null
}

vrex_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
  [ -n "${VREX_XVFB_PID:-}" ] && kill "$VREX_XVFB_PID" 2>/dev/null
  wait "$VREX_XVFB_PID" 2>/dev/null
  VREX_XVFB_PID=
  return 0
}
