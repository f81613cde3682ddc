#!/usr/bin/env bash
# Sets up, builds and runs the program under Wine.  With a display the
# program opens there; without one it runs under Xvfb, its window is written
# to out/run/screenshot.png and it is closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
# The 32-bit program where this host runs 32-bit code, else the 64-bit build
# of the same sources under 64-bit Wine (VREX_WINE_BITS=64 forces that).
source tests/harness/wine_bits.sh
vrex_choose_wine_bits "$root" || { echo "$VREX_WINE_PATH_LINE" >&2; exit 1; }
echo "$VREX_WINE_PATH_LINE"
if [ "$VREX_WINE_BITS" = 64 ]; then
  VREX_SKIP_WIN32=1 bash scripts/build.sh >/dev/null
else
  VREX_SKIP_WIN64=1 bash scripts/build.sh >/dev/null
fi

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX="${WINEPREFIX:-$HOME/.vrexnet-wine}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
  cd "$VREX_BUILT_DIST/Network"
  exec wine ./VrexNet.exe
fi

source tests/harness/wine.sh
source tests/harness/e2e.sh
export VREX_DIST="$VREX_BUILT_DIST" VREX_RESULTS=/dev/null
mkdir -p out/run
trap vrex_wine_stop EXIT
vrex_wine_start "$root/out/run/wine"
vrex_wine_version winxp
vrex_start_program
vrex_wine_tool wait "Vrex Info Network" 30000
# Open the first section and its basic information, as a user would.
vrex_wine_tool click-row "Vrex Info Network" 111 0
vrex_wine_tool settle 300
vrex_wine_tool click-row "Vrex Info Network" 111 1
vrex_wine_tool settle 1000
vrex_wine_screenshot out/run/screenshot.png
echo "Vrex Info Network ran under Wine; its window: out/run/screenshot.png"
vrex_wine_tool close "Vrex Info Network"
vrex_wait_program 20
# The report of every sub-item, from the command line, without any window.
(cd "$VREX_DIST/Network" && wine ./VrexNet.exe --report "$(vrex_wine_path "$root/out/run/report.htm")")
# A report that was not written is no success.
grep -q 'Basic information:' out/run/report.htm
echo "Its report of every sub-item: out/run/report.htm"
echo "$VREX_WINE_PATH_LINE"
