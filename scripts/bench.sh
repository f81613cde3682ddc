#!/usr/bin/env bash
# Runs every benchmark in one run and prints one table:
#   - the Google Benchmark suites (benchmarks/, native, optimised);
#   - start-up at scale under Wine: the program's start-up and its services
#     page over the registry fixtures, then with a class key of 20,000 entries;
#   - the command-line report of every sub-item against `wine ipconfig /all`.
# Builds what it needs first; the raw results land in out/bench/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out="$root/out/bench"
rm -rf "$out" && mkdir -p "$out"
log="$out/build.log"
class_entries=20000
runs=3

fail() {
  echo "bench: $1 (log: ${2:-$log})"
  exit 1
}

bash scripts/setup.sh >"$log" 2>&1 || fail "setup failed"
source tests/harness/wine_bits.sh
vrex_choose_wine_bits "$root" || fail "$VREX_WINE_PATH_LINE"
echo "$VREX_WINE_PATH_LINE"
if [ "$VREX_WINE_BITS" = 64 ]; then skip_build=VREX_SKIP_WIN32; else skip_build=VREX_SKIP_WIN64; fi
# The build folders keep their warning setting (the test command's, unless
# they have another), so that nothing is rebuilt for it.
werror=$(sed -n 's/^VREX_WERROR:BOOL=//p' build/native/CMakeCache.txt 2>/dev/null)
{
  cmake -S "$root" -B "$root/build/bench" -DCMAKE_BUILD_TYPE=Release -DVREX_SANITIZE=OFF &&
    cmake --build "$root/build/bench" -j"${VREX_JOBS:-2}" --target vrex_bench &&
    env VREX_WERROR="${werror:-ON}" "$skip_build=1" bash scripts/build.sh
} >>"$log" 2>&1 || fail "build failed"

# The Google Benchmark suites, start-up at scale with slow reverse lookups among them.
build/bench/vrex_bench --benchmark_out="$out/benchmarks.json" --benchmark_out_format=json >"$out/benchmarks.txt" 2>&1 ||
  fail "the benchmarks failed" "$out/benchmarks.txt"

# The program under Wine, on a fresh copy of its dist/ with the report's fixtures.
source tests/harness/wine.sh
source tests/harness/e2e.sh
source tests/harness/timing.sh
source tests/harness/large_fixture.sh
export VREX_RESULTS="$out/checks.txt"
vrex_wine_start "$out/wine" >/dev/null 2>&1
trap vrex_wine_stop EXIT
vrex_e2e_dist "$VREX_BUILT_DIST" "$out/dist"
cp "$VREX_WIN_BUILD/testphonebook/dialsnap.dll" "$VREX_DIST/Network/dialsnap.dll"
cp tests/fixtures/dialup_phonebook.txt "$VREX_DIST/Network/phonebook.txt"
vrex_wine_version winxp
vrex_wine_reg tests/fixtures/devices_*.reg tests/fixtures/network_class_*.reg tests/fixtures/tcpip_*.reg \
  tests/fixtures/internet_settings.reg
services_page() { vrex_program_mean_ms "$runs" --report "$(vrex_wine_path "$out/services.txt")" --items 527; }
vrex_run_program --list-items >/dev/null 2>&1  # a warm start for the timings
startup_fixtures=$(services_page)
report_runs=7
report_timing=$(vrex_report_timing "$out" "$report_runs")
distinct=$(vrex_large_class_fixture "$out/large_class.reg" "$class_entries")
vrex_wine_reg "$out/large_class.reg"
startup_large=$(services_page)
listed=$(tr -d '\r' <"$out/services.txt" | grep -ci '^ *network service ')
vrex_wine_stop

# One table.
row() { printf '%-68s %12s  %s\n' "$@"; }
{
  row "Benchmark" "Time" "Figures"
  row "$(printf '%.0s-' {1..68})" "$(printf '%.0s-' {1..12})" "$(printf '%.0s-' {1..40})"
  jq -r '.benchmarks[] |
    [.name,
     (if .error_occurred then "-" else "\(.real_time * 100 | round / 100) \(.time_unit)" end),
     (if .error_occurred then "error: \(.error_message)" else
       (del(.name, .family_index, .per_family_instance_index, .run_name, .run_type, .repetitions,
            .repetition_index, .threads, .iterations, .real_time, .cpu_time, .time_unit)
        | to_entries | map("\(.key)=\(.value)") | join(" ")) end)] | @tsv' "$out/benchmarks.json" |
    while IFS=$'\t' read -r name time figures; do row "$name" "$time" "$figures"; done
  row "Wine: start-up and services page, registry fixtures" "$startup_fixtures ms" "Windows XP setting, mean of $runs"
  row "Wine: start-up and services page, $class_entries class entries" "$startup_large ms" \
    "$listed of $distinct distinct services listed, mean of $runs"
  ours=$(sed -E 's/^report of every sub-item ([0-9]+) ms.*/\1/' <<<"$report_timing")
  theirs=$(sed -E 's/.*ipconfig \/all ([0-9]+) ms.*/\1/' <<<"$report_timing")
  row "Wine: command-line report of every sub-item" "$ours ms" "wine ipconfig /all: $theirs ms, median of $report_runs"
  echo "$VREX_WINE_PATH_LINE"
} | tee "$out/table.txt"
