# Helpers for the end-to-end scripts in tests/e2e/.  Each check prints one
# PASS or FAIL line and records it for the summary.  The program runs from
# VREX_DIST: for the end-to-end runs a fresh copy of the built dist/, so that
# its INI and the stand-ins a script puts beside it never reach dist/.

vrex_check() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS $name" | tee -a "$VREX_RESULTS"
  else
    echo "FAIL $name" | tee -a "$VREX_RESULTS"
  fi
}

# Copies the built install layout FROM to TO, afresh and without an INI, and
# points VREX_DIST there.
vrex_e2e_dist() {
  rm -rf "$2" && mkdir -p "$(dirname "$2")" && cp -r "$1" "$2" || return 1
  rm -f "$2/Network/VrexNet.ini"
  export VREX_DIST="$2"
}

# Starts the program from $VREX_DIST/Network as its working folder.
vrex_start_program() {
  pushd "$VREX_DIST/Network" >/dev/null || return 1
  vrex_wine_bg ./VrexNet.exe "$@"
  VREX_PROGRAM_PID=$VREX_BG_PID
  popd >/dev/null || return 1
}

# Waits for the program started last to end, at most $1 seconds.
vrex_wait_program() {
  local limit=${1:-20} waited=0
  while kill -0 "$VREX_PROGRAM_PID" 2>/dev/null; do
    [ $waited -ge $((limit * 10)) ] && return 1
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$VREX_PROGRAM_PID" 2>/dev/null
  return 0
}

vrex_ini_value() {
  grep -i "^$1=" "$VREX_DIST/Network/VrexNet.ini" | head -1 | cut -d= -f2- | tr -d '\r'
}
