#!/usr/bin/env bash
# Builds everything: the native libraries, tests and build tools, the
# Windows program with its modules and test executables into dist/, and the
# 32-bit program (compile only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${VREX_JOBS:-2}
build_type=${VREX_BUILD_TYPE:-Release}

cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build/native" -j"$jobs"

cmake -S "$root" -B "$root/build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE="$build_type" -DVREX_HOST_TOOLS_DIR="$root/build/native/tools" \
  -DVREX_DIST_DIR="$root/dist" >/dev/null
cmake --build "$root/build/win64" -j"$jobs"

if [ "${VREX_SKIP_I686:-0}" != 1 ]; then
  cmake -S "$root" -B "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE="$build_type" -DVREX_HOST_TOOLS_DIR="$root/build/native/tools" -DVREX_WIN_TESTS=OFF >/dev/null
  cmake --build "$root/build/win32" -j"$jobs" --target VrexNet
fi
