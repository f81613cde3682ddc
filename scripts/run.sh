#!/usr/bin/env bash
# Sets up, builds and runs the program under Wine.  With a display the
# program opens there; without one it runs under Xvfb, its window is written
# to out/run/screenshot.png and it is closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
VREX_SKIP_WIN64=1 bash scripts/build.sh >/dev/null

export VREX_WIN_BUILD="$root/build/win32-tests"
if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX="${WINEPREFIX:-$HOME/.vrexnet-wine}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
  cd dist/Network
  exec wine ./VrexNet.exe
fi

source tests/harness/wine.sh
source tests/harness/e2e.sh
export VREX_DIST="$root/dist" VREX_RESULTS=/dev/null
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
(cd dist/Network && wine ./VrexNet.exe --report "$(vrex_wine_path "$root/out/run/report.htm")")
echo "Its report of every sub-item: out/run/report.htm"
