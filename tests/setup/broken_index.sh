#!/usr/bin/env bash
# Set-up on a host whose package index is half broken and whose i386
# packages cannot be installed: stand-ins for apt-get, dpkg and dpkg-query
# earlier on PATH.  Set-up must warn, install the required packages, name the
# optional ones it could not install, and succeed.  Prints what it saw.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
stand_ins=$(mktemp -d)
trap 'rm -rf "$stand_ins"' EXIT
cat >"$stand_ins/apt-get" <<'STUB'
#!/bin/sh
echo "apt-get $*" >>"$(dirname "$0")/calls"
case " $* " in
  *" update "*) echo "E: Some index files failed to download." >&2; exit 100 ;;
  *":i386"*) echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100 ;;
esac
STUB
printf '#!/bin/sh\necho i386\n' >"$stand_ins/dpkg"
printf '#!/bin/sh\nexit 1\n' >"$stand_ins/dpkg-query"  # nothing is installed
chmod +x "$stand_ins"/*
said=$(PATH="$stand_ins:$PATH" VREX_APT_RETRY_SECONDS=0 VREX_SETUP_STAMP="$stand_ins/stamp" \
  bash "$root/scripts/setup.sh" 2>&1)
echo "status $?"
sed -E 's/(installing build-essential) .*/\1 .../' <<<"$said"
echo "update tries: $(grep -c ' update' "$stand_ins/calls")"
echo "required installed: $(grep -c 'install .*wine64' "$stand_ins/calls")"
