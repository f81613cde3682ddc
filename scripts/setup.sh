#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian 12 machine.  Skips the
# package manager when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake make
  # The shipped files use the win32 thread model, the test executables the posix one.
  mingw-w64 g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  # Wine runs the 32-bit program: wine32 comes from the i386 architecture.
  wine wine64 wine32:i386 libcups2 libcups2:i386 xvfb imagemagick
  # Wine's own fonts (/usr/share/wine/fonts): without them window frames show
  # letters in place of their caption buttons.
  fonts-wine
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  pci.ids clang-format
  # The fuzz targets: clang and its libFuzzer runtime.
  clang libclang-rt-14-dev
  # The benchmark command reads Google Benchmark's results with jq.
  jq
  # Real printing under Wine to a PDF printer, read back; a saved HTML report in a browser.
  cups printer-driver-cups-pdf poppler-utils chromium
)

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture"
  $sudo_cmd dpkg --add-architecture i386
  $sudo_cmd apt-get update -qq
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
