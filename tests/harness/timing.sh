# Timings of the 32-bit program under Wine, sourced by the report's
# end-to-end run and by the benchmark command.  Needs a running prefix
# (tests/harness/wine.sh), the program runner of tests/harness/e2e.sh and
# VREX_DIST.
#
#   vrex_elapsed_ms CMD ARGS...        runs the command, output dropped; prints its wall time in ms
#   vrex_program_mean_ms RUNS ARGS...  mean wall time of VrexNet.exe ARGS from its folder, in ms
#   vrex_report_timing WORK [RUNS]     the report of every sub-item against wine ipconfig /all

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

# Prints "report of every sub-item N ms, ipconfig /all M ms (mean of RUNS)":
# both on the same warm prefix, alternating.
vrex_report_timing() {
  local work=$1 runs=${2:-3} ours=0 theirs=0
  for _ in $(seq "$runs"); do
    ours=$((ours + $(vrex_elapsed_ms vrex_run_program --report "$(vrex_wine_path "$work/timed.txt")")))
    theirs=$((theirs + $(vrex_elapsed_ms wine ipconfig /all)))
  done
  echo "report of every sub-item $((ours / runs)) ms, ipconfig /all $((theirs / runs)) ms (mean of $runs)"
}
