#!/usr/bin/env bash
# Sets up, builds and runs the tests.  Every form ends with "N passed,
# N failed" and exits non-zero when anything failed.
#
#   scripts/test.sh                everything: native unit tests, the format
#                                  check, the import check, the fuzz targets,
#                                  the Windows tests under Wine and the
#                                  end-to-end runs
#   scripts/test.sh --unit         the native unit tests alone (native build only)
#   scripts/test.sh --fuzz         the fuzz targets alone (fuzz build only)
#   scripts/test.sh --wine FILTER  the Windows tests under Wine, for each setting
#                                  they run under, with that GoogleTest filter
#   scripts/test.sh --e2e NAME     the end-to-end run tests/e2e/NAME.sh alone
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out="$root/out"

give_up() {
  echo "$1"
  echo "0 passed, 1 failed"
  exit 1
}
usage() { give_up "usage: scripts/test.sh [--unit | --fuzz | --wine FILTER | --e2e NAME]"; }

part=all
filter='*'
e2e_scripts=(tests/e2e/*.sh)
case "${1:-}" in
  "") [ $# -eq 0 ] || usage ;;
  --unit) [ $# -eq 1 ] || usage; part=unit ;;
  --fuzz) [ $# -eq 1 ] || usage; part=fuzz ;;
  --wine) [ $# -eq 2 ] || usage; part=wine; filter=$2 ;;
  --e2e)
    [ $# -eq 2 ] || usage
    part=e2e
    e2e_scripts=("tests/e2e/$2.sh")
    [ -f "${e2e_scripts[0]}" ] || give_up "no end-to-end script tests/e2e/$2.sh"
    ;;
  *) usage ;;
esac

rm -rf "$out/logs" "$out/screenshots" "$out/fuzz"
mkdir -p "$out/logs" "$out/screenshots"
export VREX_RESULTS="$out/logs/results.txt"
: >"$VREX_RESULTS"
started=$(date +%s)

bash scripts/setup.sh || give_up "setup failed"

# The 32-bit program under 32-bit Wine where this host can run it, else the
# 64-bit build under 64-bit Wine (VREX_WINE_BITS=64 forces that).
wine_path_line=""
if [ "$part" != unit ] && [ "$part" != fuzz ]; then
  source tests/harness/wine_bits.sh
  vrex_choose_wine_bits "$root" || give_up "$VREX_WINE_PATH_LINE"
  wine_path_line=$VREX_WINE_PATH_LINE
  echo "$wine_path_line"
fi

build_log="$out/logs/build.log"
# Every target of ours builds with its warnings as errors here.
export VREX_WERROR=ON
build() {
  case $part in
    unit)
      cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug -DVREX_WERROR=ON >"$build_log" 2>&1 &&
        cmake --build "$root/build/native" -j"${VREX_JOBS:-2}" >>"$build_log" 2>&1
      ;;
    # On the 64-bit path the 32-bit test executables would never run.
    all) VREX_WIN32_TESTS_RUN=$([ "$VREX_WINE_BITS" = 64 ] && echo 0 || echo 1) bash scripts/build.sh >"$build_log" 2>&1 ;;
    # The fuzz targets have a build of their own (fuzz_tests).
    fuzz) : ;;
    # Only the build whose program runs under Wine on this host.
    *)
      if [ "$VREX_WINE_BITS" = 64 ]; then
        VREX_SKIP_WIN32=1 bash scripts/build.sh >"$build_log" 2>&1
      else
        VREX_SKIP_WIN64=1 bash scripts/build.sh >"$build_log" 2>&1
      fi
      ;;
  esac
}
if ! build; then
  tail -40 "$build_log"
  give_up "build failed (full log: out/logs/build.log)"
fi
echo "build: $(($(date +%s) - started)) s"

record() {
  echo "$1 $2" >>"$VREX_RESULTS"
  echo "$1 $2"
}

# Counts a GoogleTest run from its log; a run that crashed counts as one
# failure.  A test that only the 32-bit program can take skips itself with a
# message that starts "32-bit program only": from the run's XML (optional
# fourth argument) each such test counts as skipped, with its reason.
count_gtest() {
  local name=$1 log=$2 status=$3 xml=${4:-}
  local p f skipped=""
  p=$(grep -oE '^\[  PASSED  \] [0-9]+' "$log" | grep -oE '[0-9]+$' | tail -1)
  # Each failed test has one "[  FAILED  ] Suite.Name (N ms)" line, brief mode or not.
  f=$(grep -E '^\[  FAILED  \] [^ ]+ \(' "$log" | sort -u | wc -l)
  p=${p:-0}
  f=${f:-0}
  if [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then f=1; fi
  for _ in $(seq 1 "$p"); do echo "PASS $name" >>"$VREX_RESULTS"; done
  for _ in $(seq 1 "$f"); do echo "FAIL $name" >>"$VREX_RESULTS"; done
  if [ -n "$xml" ] && [ -f "$xml" ]; then
    skipped=$(awk '
      /<testcase / { match($0, /name="[^"]*"/); test = substr($0, RSTART + 6, RLENGTH - 7)
                     match($0, /classname="[^"]*"/); test = substr($0, RSTART + 11, RLENGTH - 12) "." test }
      /<skipped message=/ && /32-bit program only/ {
        reason = $0; sub(/.*32-bit program only/, "32-bit program only", reason); sub(/".*/, "", reason)
        print "SKIP " test ": " reason }' "$xml")
    [ -z "$skipped" ] || tee -a "$VREX_RESULTS" <<<"$skipped" | sed 's/^/  /'
  fi
  grep -E '^\[  FAILED  \] [A-Za-z]' "$log" | sort -u
  echo "$name: $p passed, $f failed$([ -z "$skipped" ] || echo ", $(wc -l <<<"$skipped") skipped")"
}

# Native unit tests (AddressSanitizer and UBSan).
unit_tests() {
  build/native/vrex_unit_tests --gtest_brief=1 >"$out/logs/unit.log" 2>&1
  count_gtest unit "$out/logs/unit.log" $?
}

# Formatting of the sources.
format_check() {
  local unformatted
  unformatted=$(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' \
    'benchmarks/*.cpp' | xargs -r clang-format --dry-run 2>&1 | grep -oE '^[^:]+:[0-9]+' | cut -d: -f1 | sort -u)
  if [ -z "$unformatted" ]; then
    echo "PASS format" >>"$VREX_RESULTS"
    echo "format: clean"
  else
    echo "FAIL format" >>"$VREX_RESULTS"
    echo "format: not clang-formatted: $unformatted"
  fi
}

# Set-up goes on past a package index that fails to update and i386
# packages that cannot be installed (stand-ins for the package tools).
setup_check() {
  local want='status 0
setup: installing build-essential ...
setup: warning: the package index did not update whole; going on with what it has:
  E: Some index files failed to download.
setup: wine32:i386 libcups2:i386 could not be installed; the 64-bit build runs under 64-bit Wine instead
update tries: 3
required installed: 1' got
  got=$(bash tests/setup/broken_index.sh)
  if [ "$got" = "$want" ]; then
    record PASS "set-up warns about a broken package index and goes on"
  else
    record FAIL "set-up warns about a broken package index and goes on"
    diff <(echo "$want") <(echo "$got") | sed 's/^/  /'
  fi
}

# Every shipped file, as the release archive holds it, loads on each served
# Windows: header and imports against the export list.  The check itself must
# reject what would not load: a program of the posix runtime and a 64-bit one.
import_check() {
  local unpacked="$out/release-check" archive
  local importcheck=(build/native/tools/vrex_importcheck tests/tools/importcheck/system_exports.txt)
  rm -rf "$unpacked" && mkdir -p "$unpacked"
  archive=$(ls "$out"/release/VrexNet-*-win32.zip)
  (cd "$unpacked" && cmake -E tar xf "$archive")
  if "${importcheck[@]}" "$unpacked"/Network/*.exe "$unpacked"/Network/*.dll "$unpacked"/Vmail/*.exe \
    >"$out/logs/importcheck.log" 2>&1; then
    record PASS "import check: every shipped file loads on Windows 95 to XP"
  else
    record FAIL "import check: every shipped file loads on Windows 95 to XP"
    sed 's/^/  /' "$out/logs/importcheck.log"
  fi
  tail -1 "$out/logs/importcheck.log"
  "${importcheck[@]}" build/win32-tests/tools/VrMail.exe >"$out/logs/importcheck-posix.log" 2>&1
  if grep -q "KERNEL32.dll GetTickCount64: Windows 95 lacks it" "$out/logs/importcheck-posix.log"; then
    record PASS "import check rejects the posix runtime"
  else
    record FAIL "import check rejects the posix runtime"
  fi
  "${importcheck[@]}" build/win64/dist/Network/VrexNet.exe >"$out/logs/importcheck-win64.log" 2>&1
  if grep -q "machine 0x8664, not i386" "$out/logs/importcheck-win64.log"; then
    record PASS "import check rejects a 64-bit program"
  else
    record FAIL "import check rejects a 64-bit program"
  fi
}

# The parsers under libFuzzer, built with clang, AddressSanitizer and UBSan in
# build/fuzz: each target for a bounded time over its seeds in
# tests/fuzz/corpus/NAME/ (and its dictionary tests/fuzz/NAME.dict, if any).
# What a run adds to the corpus, and the input of a crash, stay in out/fuzz/NAME/.
fuzz_tests() {
  local seconds=${VREX_FUZZ_SECONDS:-20} build_dir="$root/build/fuzz" source name work log dict runs
  if ! {
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
      -DCMAKE_CXX_COMPILER=clang++ -DVREX_FUZZ=ON -DVREX_WERROR=ON &&
      cmake --build "$build_dir" -j"${VREX_JOBS:-2}" --target vrex_fuzz_targets
  } >"$out/logs/fuzz-build.log" 2>&1; then
    record FAIL "fuzz targets build"
    tail -20 "$out/logs/fuzz-build.log" | sed 's/^/  /'
    return
  fi
  for source in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    work="$out/fuzz/$name"
    log="$out/logs/fuzz-$name.log"
    mkdir -p "$work/corpus"
    dict=()
    if [ -f "tests/fuzz/$name.dict" ]; then dict=(-dict="tests/fuzz/$name.dict"); fi
    # New inputs go to the first folder: the seeds in the repository stay as they are.
    if "$build_dir/${name}_fuzz" -max_total_time="$seconds" -timeout=10 "${dict[@]}" -artifact_prefix="$work/" \
      "$work/corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
      runs=$(grep -oE '^Done [0-9]+ runs' "$log" | grep -oE '[0-9]+')
      record PASS "fuzz $name: ${runs:-0} inputs in $seconds s"
    else
      record FAIL "fuzz $name (log: out/logs/fuzz-$name.log)"
      grep -E '^(SUMMARY|broken invariant|terminate called|==[0-9]+==ERROR|artifact_prefix)' "$log" | sed 's/^/  /'
    fi
  done
}

# One Windows test executable under Wine: win_gtest NAME EXE FILTER, its log
# and XML in out/logs/NAME.*.
win_gtest() {
  local name=$1 exe=$2 filter=$3
  wine "$exe" --gtest_brief=1 --gtest_filter="$filter" --gtest_output="xml:$(vrex_wine_path "$out/logs/$name.xml")" \
    >"$out/logs/$name.log" 2>&1
  count_gtest "$name" "$out/logs/$name.log" $? "$out/logs/$name.xml"
}

# The Windows tests under Wine, with a GoogleTest filter.  The setting tests
# run once per setting, each with the variable that says which setting is in
# place (the others skip themselves); the main test executable runs whole
# under an NT and a 9x setting.
wine_tests() {
  local filter=$1 pair version
  local win_tests="$VREX_WIN_BUILD/tests/vrex_win_tests.exe"
  local setting_tests="$VREX_WIN_BUILD/tests/vrex_win_setting_tests.exe"
  # The test executable finds the English module and its INI beside itself, as the program does.
  local exe
  for exe in vrex_win_tests vrex_win_setting_tests; do
    cp "$VREX_DIST/Network/VrexNetEN.dll" "$VREX_WIN_BUILD/tests/${exe}EN.dll"
    printf '[Options]\r\nLanguage=EN\r\n' >"$VREX_WIN_BUILD/tests/$exe.ini"
  done
  # Registry fixtures reach Wine's registry through the API, HKEY_DYN_DATA included.
  vrex_wine_reg tests/fixtures/harness_dyn_data.reg
  # The device layouts of every Windows version, side by side: each version's
  # walks read only their own keys.
  vrex_wine_reg tests/fixtures/devices_*.reg

  # The setting tests find the device database beside their folder, as the
  # program does; the main test executable makes its own damaged one there.
  rm -rf "$VREX_WIN_BUILD/SHARED"
  cp -r "$VREX_DIST/SHARED" "$VREX_WIN_BUILD/SHARED"

  # The version code each Wine version setting must give.
  for pair in win95:2 win98:5 winme:9 nt40:7 win2k:8 winxp:10 win7:0 win10:0; do
    version=${pair%%:*}
    vrex_wine_version "$version"
    VREX_EXPECT_OS_CODE=${pair##*:} win_gtest "win-version-$version" "$setting_tests" "$filter"
  done

  # The connection walk over our SNMP test agent, which Wine loads in place of
  # its own only when told to prefer the native inetmib1.
  vrex_wine_version winxp
  VREX_EXPECT_TEST_AGENT=1 WINEDLLOVERRIDES="$WINEDLLOVERRIDES;inetmib1=n" \
    win_gtest win-testagent "$setting_tests" "$filter"
  rm -rf "$VREX_WIN_BUILD/SHARED"

  # What ipconfig reports for this prefix: the basic information must agree with it.
  wine ipconfig /all >"$out/logs/ipconfig.txt" 2>/dev/null
  VREX_IPCONFIG_FILE=$(vrex_wine_path "$out/logs/ipconfig.txt")
  export VREX_IPCONFIG_FILE

  for version in winxp win98; do
    vrex_wine_version "$version"
    win_gtest "win-$version" "$win_tests" "$filter"
  done
}

# End-to-end runs of the program; each script records PASS/FAIL lines.  Each
# works on its own fresh copy of dist/ in out/e2e/dist.
e2e_tests() {
  local script name
  source tests/harness/e2e.sh
  for script in "$@"; do
    name=$(basename "$script" .sh)
    (vrex_e2e_dist "$VREX_BUILT_DIST" "$out/e2e/dist" && source "$script") >"$out/logs/e2e-$name.log" 2>&1
    grep -E '^(PASS|FAIL|SKIP) ' "$out/logs/e2e-$name.log" | sed "s/^/  /"
    grep -qE '^(PASS|FAIL|SKIP) ' "$out/logs/e2e-$name.log" || record FAIL "e2e $name: no checks ran"
  done
}

if [ "$part" = all ] || [ "$part" = unit ]; then unit_tests; fi
if [ "$part" = all ]; then
  format_check
  setup_check
  import_check
fi
if [ "$part" = all ] || [ "$part" = fuzz ]; then fuzz_tests; fi

if [ "$part" = all ] || [ "$part" = wine ] || [ "$part" = e2e ]; then
  # Everything under Wine shares one throwaway prefix and one Xvfb, and drives
  # the program with tests and tools of its own width.
  export VREX_DIST="$VREX_BUILT_DIST"
  export VREX_SCREENSHOTS="$out/screenshots"
  source tests/harness/wine.sh
  vrex_wine_start "$out/wine"
  echo "wine prefix: $(($(date +%s) - started)) s"
  if [ "$part" != e2e ]; then wine_tests "$filter"; fi
  if [ "$part" != wine ]; then e2e_tests "${e2e_scripts[@]}"; fi
  vrex_wine_stop
fi

passed=$(grep -c '^PASS ' "$VREX_RESULTS")
failed=$(grep -c '^FAIL ' "$VREX_RESULTS")
skipped=$(grep -c '^SKIP ' "$VREX_RESULTS")
if [ "$part" != unit ] && [ "$part" != fuzz ]; then echo "screenshots: out/screenshots/"; fi
echo "total time: $(($(date +%s) - started)) s"
if [ "$skipped" -gt 0 ]; then
  echo "skipped:"
  grep '^SKIP ' "$VREX_RESULTS" | sed 's/^SKIP /  /'
fi
[ -z "$wine_path_line" ] || echo "$wine_path_line"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
