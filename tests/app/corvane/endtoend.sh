#!/usr/bin/env bash
# Starts the real program in a real window under Xvfb, finds the window titled
# "Corvane" and closes it with File > Exit, as a person would. Skipped when
# Xvfb is missing.
set -euo pipefail
program=$1
for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done
source "$(dirname "$0")/../../../scripts/lib/xvfb.sh"
work=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work"
"$program" >"$work/app.log" 2>&1 &
app=$!
window=$(find_window '^Corvane$')
if [ -z "$window" ]; then
  echo "FAIL: no window titled Corvane appeared"; cat "$work/app.log"; exit 1
fi
echo "found window $window titled $(xdotool getwindowname "$window")"
# There is no window manager to send a close request, so use File > Exit.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+f
sleep 0.5
xdotool key e
for _ in $(seq 100); do
  if ! kill -0 "$app" 2>/dev/null; then
    rc=0; wait "$app" || rc=$?
    echo "program ended with status $rc"
    [ "$rc" -eq 0 ] || cat "$work/app.log"
    exit "$rc"
  fi
  sleep 0.1
done
echo "FAIL: the program did not end after its window was closed"; exit 1
