#!/usr/bin/env bash
# Starts Corvane under Xvfb (on FILE when given) and saves a picture of its
# window to OUT.png; with --show, of the Preferences, About or Web Resources
# window opened from the menus as a person would.
set -euo pipefail
usage="usage: scripts/screenshot.sh [--show preferences|about|webresources] OUT.png [FILE]"
show=main
if [ "${1:-}" = "--show" ]; then
  show=${2:-}; shift 2 || true
fi
case "$show" in
  main) title='^Corvane'; keys=() ;;
  preferences) title='^Preferences$'; keys=(alt+e Up Return) ;;  # the Edit menu's last entry
  about) title='^About Corvane$'; keys=(alt+h a) ;;
  webresources) title='^Web Resources$'; keys=(alt+h w) ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
if [ $# -lt 1 ]; then
  echo "$usage" >&2
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
if [ ${#keys[@]} -gt 0 ]; then
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  for key in "${keys[@]}"; do xdotool key "$key"; sleep 0.3; done
  window=$(find_window "$title")
  [ -n "$window" ] || { echo "the $show window did not appear" >&2; exit 1; }
  sleep 1
fi
import -window "$window" "$out"
echo "saved $out"
