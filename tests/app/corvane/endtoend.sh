#!/usr/bin/env bash
# Starts the real program in a real window under Xvfb, finds the window titled
# "Corvane" and closes it with File > Exit, as a person would. Skipped when Xvfb is missing.
set -euo pipefail
program=$1
for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done
work=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display itself and reports it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
display=":$(head -n 1 "$work/display")"
export DISPLAY=$display XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/system"
unset QT_QPA_PLATFORM
"$program" >"$work/app.log" 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Corvane$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
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
    wait "$app"; rc=$?
    echo "program ended with status $rc"
    exit "$rc"
  fi
  sleep 0.1
done
echo "FAIL: the program did not end after its window was closed"; exit 1
