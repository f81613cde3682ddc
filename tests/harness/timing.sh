# Timings of the 32-bit program under Wine, sourced by the report's
# end-to-end run and by the benchmark command.  Needs a running prefix
# (tests/harness/wine.sh), the program runner of tests/harness/e2e.sh and
# VREX_DIST.
#
#   vrex_elapsed_ms CMD ARGS...        runs the command, output dropped; prints its wall time in ms
#   vrex_program_mean_ms RUNS ARGS...  mean wall time of VrexNet.exe ARGS from its folder, in ms
#   vrex_report_timing WORK [RUNS]     the report of every sub-item against wine ipconfig /all
#   vrex_median N...                   the middle one of the numbers

vrex_elapsed_ms() {
  local started
  started=$(date +%s%N)
  "$@" >/dev/null 2>&1
  echo $((($(date +%s%N) - started) / 1000000))
}

vrex_program_mean_ms() {
  local runs=$1 total=0
  shift
  for _ in $(seq "$runs"); do
    total=$((total + $(vrex_elapsed_ms vrex_run_program "$@")))
  done
  echo $((total / runs))
}

# Prints "report of every sub-item N ms, ipconfig /all M ms (median of RUNS)":
# both on the same warm prefix, alternating.  Medians, because a single slow
# start of Wine can double one run.
vrex_report_timing() {
  local work=$1 runs=${2:-5} ours=() theirs=()
  for _ in $(seq "$runs"); do
    ours+=("$(vrex_elapsed_ms vrex_run_program --report "$(vrex_wine_path "$work/timed.txt")")")
    theirs+=("$(vrex_elapsed_ms wine ipconfig /all)")
  done
  echo "report of every sub-item $(vrex_median "${ours[@]}") ms," \
    "ipconfig /all $(vrex_median "${theirs[@]}") ms (median of $runs)"
}

# The middle one of the numbers given (the upper middle one of an even count).
vrex_median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int(NR / 2) + 1] }'; }
