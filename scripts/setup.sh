#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian 12 machine.  Skips the
# package manager when everything is already there.
#
# A package index caught mid-sync is common: "apt-get update" is tried a few
# times and a partial failure is only a warning.  The 32-bit Wine packages
# are wanted but not needed: without them (or on a host that runs 64-bit code
# only) the tests drive the 64-bit build under 64-bit Wine.
set -euo pipefail

required=(
  build-essential cmake make
  # The shipped files use the win32 thread model, the test executables the posix one.
  mingw-w64 g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine64 libcups2 xvfb imagemagick
  # Wine's own fonts (/usr/share/wine/fonts): without them window frames show
  # letters in place of their caption buttons.
  fonts-wine
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  pci.ids clang-format
  # The JSON report is written with nlohmann/json.
  nlohmann-json3-dev
  # The fuzz targets: clang and its libFuzzer runtime.
  clang libclang-rt-14-dev
  # The benchmark command reads Google Benchmark's results with jq.
  jq
  # Real printing under Wine to a PDF printer, read back; a saved HTML report in a browser.
  cups printer-driver-cups-pdf poppler-utils chromium
  # The HTML report is checked with xmllint.
  libxml2-utils
)
# Wine for 32-bit programs comes from the i386 architecture.
optional=(wine32:i386 libcups2:i386)

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
apt_install() { DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }

missing_of() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || echo "$package"
  done
}

index_updated=0
update_index() {
  [ "$index_updated" = 1 ] && return 0
  index_updated=1
  local try
  for try in 1 2 3; do
    if $sudo_cmd apt-get update -qq >/tmp/vrex-apt-update.log 2>&1; then return 0; fi
    [ "$try" -lt 3 ] && sleep "${VREX_APT_RETRY_SECONDS:-5}"
  done
  echo "setup: warning: the package index did not update whole; going on with what it has:"
  grep -E '^(E|W):' /tmp/vrex-apt-update.log | head -3 | sed 's/^/  /'
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture"
  $sudo_cmd dpkg --add-architecture i386
  index_updated=0
fi

mapfile -t missing < <(missing_of "${required[@]}")
mapfile -t missing_optional < <(missing_of "${optional[@]}")

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  update_index
  apt_install "${missing[@]}"
fi

# The optional packages are tried again at most once an hour: a broken index
# costs half a minute of retries on every run otherwise.
tried_optional=${VREX_SETUP_STAMP:-/var/tmp/vrex-setup-optional-tried}
if [ ${#missing_optional[@]} -gt 0 ] && ! [ -n "$(find "$tried_optional" -mmin -60 2>/dev/null)" ]; then
  touch "$tried_optional" 2>/dev/null || true
  update_index
  if ! apt_install "${missing_optional[@]}" 2>/dev/null; then
    not_installed=()
    for package in "${missing_optional[@]}"; do apt_install "$package" 2>/dev/null || not_installed+=("$package"); done
    [ ${#not_installed[@]} -eq 0 ] ||
      echo "setup: ${not_installed[*]} could not be installed; the 64-bit build runs under 64-bit Wine instead"
  fi
elif [ ${#missing_optional[@]} -gt 0 ]; then
  echo "setup: ${missing_optional[*]} not installed (tried within the hour); the 64-bit build runs under 64-bit Wine instead"
fi
