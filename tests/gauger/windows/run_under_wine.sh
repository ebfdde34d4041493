#!/usr/bin/env bash
# Runs a Windows test program under Wine, quietly and without waiting for input:
#   run_under_wine.sh 64|32 PROGRAM DLL
# The program is given the DLL's path as a Windows path (drive Z: is the root). The
# program's --probe tells which Wine on this machine can start it; GAUGER_WINE32 or
# GAUGER_WINE64 names the one loader to try instead of Debian's. Without a Wine for
# 64-bit programs the test fails; without one for 32-bit programs it is skipped (exit
# status 77), since many machines offer 64-bit Wine only, unless GAUGER_WINE_REQUIRED
# is set (scripts/gauger-windows.sh sets it, having installed that Wine). WINEPREFIX
# defaults to wine-prefix in the current folder; Wine creates it on first use.
set -euo pipefail
bits=$1 program=$2 dll=$3
export WINEPREFIX="${WINEPREFIX:-$PWD/wine-prefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
limit=${GAUGER_WINE_TIMEOUT:-600}

# Debian installs the loaders under /usr/lib/wine; the wine package adds them to PATH.
candidates=(wine64 /usr/lib/wine/wine64 wine /usr/lib/wine/wine)
if [ "$bits" = 32 ]; then candidates=(wine /usr/lib/wine/wine wine64 /usr/lib/wine/wine64); fi
chosen=GAUGER_WINE$bits
if [ -n "${!chosen:-}" ]; then candidates=("${!chosen}"); fi

# What the loaders said while probing, shown when none could start the program.
probe_log=$(mktemp)
trap 'rm -f "$probe_log"' EXIT
starts_program() {
  if ! command -v "$1" >/dev/null 2>&1; then
    echo "== $1: not found" >>"$probe_log"
    return 1
  fi
  echo "== $1" >>"$probe_log"
  timeout -k 10 "$limit" "$1" "$program" --probe </dev/null 2>>"$probe_log" |
    grep -q "ready (${bits}-bit)"
}

for wine in "${candidates[@]}"; do
  if starts_program "$wine"; then
    echo "running under $(command -v "$wine") ($("$wine" --version 2>/dev/null || true))"
    timeout -k 10 "$limit" "$wine" "$program" "Z:${dll//\//\\}" </dev/null
    exit
  fi
done
package=wine64
if [ "$bits" = 32 ]; then package=wine32:i386; fi
if [ "$bits" = 32 ] && [ -z "${GAUGER_WINE_REQUIRED:-}" ]; then
  echo "skipped: no Wine on this machine runs 32-bit Windows programs (Debian: $package)"
  grep -v '^== .*: not found$' "$probe_log" || true
  exit 77
fi
echo "no Wine on this machine runs ${bits}-bit Windows programs (Debian: $package;" \
  "tried ${candidates[*]})" >&2
cat "$probe_log" >&2
exit 1
