#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian 12 machine.  Skips the
# package manager when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake make
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix gcc-mingw-w64-x86-64-posix gcc-mingw-w64-i686-posix
  wine wine64 xvfb imagemagick
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  pci.ids clang-format
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" libcups2 >/dev/null
fi
