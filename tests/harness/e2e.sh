# Helpers for the end-to-end scripts in tests/e2e/.  Each check prints one
# PASS or FAIL line and records it for the summary.  The program runs from
# VREX_DIST: for the end-to-end runs a fresh copy of the built dist/, so that
# its INI and the stand-ins a script puts beside it never reach dist/.

# Runs the command only when the first argument is not empty: that a window
# went counts only for a window that came.
vrex_once() { [ -n "$1" ] && shift && "$@"; }

# Runs the command only when FILE holds TEXT: what a run did not do (write a
# file, change one) counts only once the program has said why.  An exit
# status alone proves nothing either: Wine gives 1 for a program it could
# not start.
vrex_said() {
  local file=$1 text=$2
  shift 2
  grep -qF -- "$text" "$file" 2>/dev/null && "$@"
}

# SKIP NAME REASON: a check this run cannot make, counted apart.
vrex_skip() { echo "SKIP $1: $2" | tee -a "$VREX_RESULTS"; }

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

# Waits for the program started last to end, at most $1 seconds; its exit
# status, so that a program that never started does not count as closed.
vrex_wait_program() {
  local limit=${1:-20} waited=0
  while kill -0 "$VREX_PROGRAM_PID" 2>/dev/null; do
    [ $waited -ge $((limit * 10)) ] && return 1
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$VREX_PROGRAM_PID" 2>/dev/null
}

vrex_ini_value() {
  grep -i "^$1=" "$VREX_DIST/Network/VrexNet.ini" | head -1 | cut -d= -f2- | tr -d '\r'
}

# Runs the program from its folder with the arguments until it ends; its
# standard error goes to $VREX_DIST/../stderr.txt.
vrex_run_program() {
  (cd "$VREX_DIST/Network" && wine ./VrexNet.exe "$@" 2>"$VREX_DIST/../stderr.txt")
}

# The text report FILE as the expected files hold it: without its date line
# (the second) and CRs.  Under Windows NT 4.0 Wine adds the machine's own
# interfaces to the fixtures' cards and addresses: their lines are dropped and
# the addresses read HOST-IP, so that the expected files hold on any machine.
vrex_comparable_report() {
  tr -d '\r' <"$1" | sed '2d' | awk -v ips="$(hostname -I 2>/dev/null)" \
    -v names="$(ls /sys/class/net 2>/dev/null | tr '\n' ' ')" '
    BEGIN {
      n = split(ips, ip, " "); m = split(names, name, " ")
      for (i = 1; i <= m; i++) own[name[i]] = 1
      for (i = 1; i <= n; i++) gsub(/\./, "\\.", ip[i])
    }
    { bare = $0; gsub(/^ +| +$/, "", bare); if (bare in own) next
      for (i = 1; i <= n; i++) gsub(ip[i], "HOST-IP"); print }'
}

# Checks the text report GOT against the expected file WANT, showing the difference.
vrex_check_report() {
  local name=$1 want=$2 got=$3 difference
  if [ -f "$got" ] && difference=$(diff "$want" <(vrex_comparable_report "$got") 2>&1); then
    echo "PASS $name" | tee -a "$VREX_RESULTS"
  else
    echo "FAIL $name" | tee -a "$VREX_RESULTS"
    sed 's/^/  /' <<<"$difference" | head -40
  fi
}
