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
source "$root/scripts/lib/xvfb.sh"
work=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work"
"$build/app/corvane/corvane" "$@" >"$work/app.log" 2>&1 &
app=$!
window=$(find_window '^Corvane')
[ -n "$window" ] || { echo "no Corvane window appeared" >&2; cat "$work/app.log" >&2; exit 1; }
sleep 1.5  # let the splash go and the window paint
import -window "$window" "$out"
echo "saved $out"
