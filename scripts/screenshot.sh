#!/usr/bin/env bash
# Starts Corvane under Xvfb (on FILE when given) and saves a picture of its
# window to OUT.png.
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: scripts/screenshot.sh OUT.png [FILE]" >&2
  exit 2
fi
out=$(realpath -m "$1"); shift
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="${CORVANE_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" --target corvane
work=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display itself and reports it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
display=":$(head -n 1 "$work/display")"
export DISPLAY=$display XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM
"$build/app/corvane/corvane" "$@" >"$work/app.log" 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Corvane' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no Corvane window appeared" >&2; cat "$work/app.log" >&2; exit 1; }
sleep 1.5  # let the splash go and the window paint
import -window "$window" "$out"
echo "saved $out"
