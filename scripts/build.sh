#!/usr/bin/env bash
# Builds everything:
#   build/native       the portable libraries, unit tests and build tools (native)
#   build/win32        what users get: the 32-bit program and its modules into
#                      dist/, and the release archive in out/release/; win32
#                      thread model, so that no runtime newer than Windows 95 is needed
#   build/win32-tests  the Windows test executables and test tools, 32-bit like
#                      the program they drive (posix thread model for GoogleTest)
#   build/win64        the same sources for 64-bit with its own test executables
#                      and tools: the code stays right for both pointer sizes, and
#                      on a host that cannot run 32-bit code this build runs under
#                      64-bit Wine (VREX_SKIP_WIN32=1 then skips the two above,
#                      VREX_WIN32_TESTS_RUN=0 builds only the mail stand-in of
#                      win32-tests, VREX_SKIP_WIN64=1 skips this one)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${VREX_JOBS:-2}
build_type=${VREX_BUILD_TYPE:-Release}
host_tools="$root/build/native/tools"
# The test command sets VREX_WERROR=ON: a warning then fails the build.
werror="-DVREX_WERROR=${VREX_WERROR:-OFF}"

cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug "$werror" >/dev/null
cmake --build "$root/build/native" -j"$jobs"

windows_build() {
  local dir=$1 toolchain=$2
  shift 2
  cmake -S "$root" -B "$root/build/$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE="$build_type" -DVREX_HOST_TOOLS_DIR="$host_tools" "$werror" "$@" >/dev/null
}

if [ "${VREX_SKIP_WIN32:-0}" != 1 ]; then
  windows_build win32 mingw-i686 -DVREX_WIN_TESTS=OFF -DVREX_DIST_DIR="$root/dist" \
    -DVREX_RELEASE_DIR="$root/out/release"
  cmake --build "$root/build/win32" -j"$jobs"

  windows_build win32-tests mingw-i686-posix
  if [ "${VREX_WIN32_TESTS_RUN:-1}" = 1 ]; then
    cmake --build "$root/build/win32-tests" -j"$jobs" --target vrex_win_tests vrex_win_setting_tests regwrite wintool inetmib1 testphonebook vrmail \
      testmapi
  else
    # Where the 32-bit program does not run, only the import check's sample of
    # the posix runtime is wanted: the small stand-in mail program.
    cmake --build "$root/build/win32-tests" -j"$jobs" --target vrmail
  fi
fi

if [ "${VREX_SKIP_WIN64:-0}" != 1 ]; then
  windows_build win64 mingw-x86_64
  cmake --build "$root/build/win64" -j"$jobs"
fi
