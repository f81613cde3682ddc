# Which build of the program runs under Wine on this host, decided once per
# run; sourced by the test, run and benchmark scripts.
#
#   vrex_choose_wine_bits ROOT   sets VREX_WINE_BITS (32 or 64), VREX_WINE_PATH_LINE
#                                (what ran and why), VREX_WIN_BUILD (test executables
#                                and tools) and VREX_BUILT_DIST (the install layout);
#                                on the 64-bit path puts loaders of 64-bit Wine first
#                                on PATH.  Returns non-zero when VREX_WINE_BITS=32 asks
#                                for what this host cannot do.
#
# The shipped program is 32-bit and runs under 32-bit Wine where the host can
# run 32-bit code and wine32:i386 is installed.  Elsewhere the 64-bit build of
# the same sources runs under /usr/lib/wine/wine64 in a 64-bit prefix: every
# page, report and dialog behaves the same.  VREX_WINE_BITS=64 forces that path.

vrex_wine32_problem() {
  local loader=/usr/lib/wine/wine said
  [ -e "$loader" ] || {
    echo "wine32:i386 is not installed"
    return
  }
  said=$("$loader" --version 2>&1) && return
  echo "this host cannot start the 32-bit Wine loader: $(head -1 <<<"$said")"
}

vrex_choose_wine_bits() {
  local root=$1 problem
  problem=$(vrex_wine32_problem)
  case "${VREX_WINE_BITS:-}" in
    64) problem="forced by VREX_WINE_BITS=64" ;;
    32)
      if [ -n "$problem" ]; then
        VREX_WINE_PATH_LINE="wine: VREX_WINE_BITS=32, but $problem"
        return 1
      fi
      ;;
    "") ;;
    *)
      VREX_WINE_PATH_LINE="wine: VREX_WINE_BITS must be 32 or 64, not ${VREX_WINE_BITS}"
      return 1
      ;;
  esac
  if [ -z "$problem" ]; then
    VREX_WINE_BITS=32
    VREX_WIN_BUILD="$root/build/win32-tests"
    VREX_BUILT_DIST="$root/dist"
    VREX_WINE_PATH_LINE="wine: the 32-bit program under 32-bit Wine"
  else
    VREX_WINE_BITS=64
    VREX_WIN_BUILD="$root/build/win64"
    VREX_BUILT_DIST="$root/build/win64/dist"
    VREX_WINE_PATH_LINE="wine: the 64-bit build of the same sources under 64-bit Wine ($problem)"
    # /usr/bin/wine, and through wine-stable wineboot and winepath, take the
    # 32-bit loader whenever it is installed, whether or not it can start.
    local shims="$root/build/wine64-loaders"
    mkdir -p "$shims"
    local name
    for name in wine wine-stable; do
      printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/$name"
      chmod +x "$shims/$name"
    done
    case ":$PATH:" in *":$shims:"*) ;; *) PATH="$shims:$PATH" ;; esac
    export WINELOADER=/usr/lib/wine/wine64 PATH
  fi
  export VREX_WINE_BITS VREX_WIN_BUILD VREX_BUILT_DIST VREX_WINE_PATH_LINE
}
