#!/usr/bin/env bash
# The manual pages render without a warning of the formatter, and no line of
# their sources starts with a dot or a quote, which roff would take for a
# request and drop: manpages_test.sh SOURCE_DIR PAGE...
set -uo pipefail
command -v groff >/dev/null 2>&1 || { echo "skipped: groff is not installed"; exit 77; }
sources=$1
shift
status=0
for page in "$@"; do
  warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1) || warnings+=" (groff failed)"
  [ -z "$warnings" ] || { echo "FAIL: $page: $warnings"; status=1; }
done
if grep -nE "^[[:space:]]*[.']" "$sources"/*.scd; then
  echo "FAIL: the lines above would be taken for roff requests"
  status=1
fi
exit $status
