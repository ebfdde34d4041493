#!/usr/bin/env bash
# run_under_wine.sh with sh as the loader it is told to use: it runs the program, and
# skips a 32-bit test that no loader starts only while Wine is not required.
set -euo pipefail
program=$(mktemp)
trap 'rm -f "$program"' EXIT
# A stand-in for gauger_wintest.exe: ready for 32-bit, passes when given the DLL as Z:\.
printf '%s\n' '[ "$1" != --probe ] || { echo "gauger_wintest ready (32-bit)"; exit; }' \
  '[ "$1" = "Z:\\lib\\gauger.dll" ]' >"$program"
# loader, GAUGER_WINE_REQUIRED (- for empty), exit status, what the output says
while read -r loader required expected says; do
  status=0
  out=$(GAUGER_WINE32=$loader GAUGER_WINE_REQUIRED=${required#-} \
    "$1" 32 "$program" /lib/gauger.dll 2>&1) || status=$?
  if [ "$status" != "$expected" ] || [[ $out != *"$says"* ]]; then
    echo "$loader, required '${required#-}': exit status $status, not $expected: $out"
    exit 1
  fi
done <<'CASES'
sh - 0 running
/no/such/wine - 77 skipped:
/no/such/wine 1 1 /no/such/wine:
CASES
