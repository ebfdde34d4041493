#!/usr/bin/env bash
# Starts Corvane under Xvfb (on FILE when given) and saves a picture of its
# window to OUT.png; with --show, of the Source View (its tab clicked) or of
# the Preferences, About or Web Resources window opened from the menus as a
# person would. With --dark the program runs under a dark desktop palette:
# qt6ct's "darker" colour scheme, as a user of that theme sees it. With
# --lang LL the window speaks that language (the main window and the Source
# View: the other windows are found by their English titles). With --type
# TEXT (on the Source View) TEXT is typed at the end of the constructor, and
# the picture waits for the syntax check and the completion list.
set -euo pipefail
usage="usage: scripts/screenshot.sh [--dark] [--lang LL] [--type TEXT] [--show sourceview|preferences|about|webresources] OUT.png [FILE]"
show=main
dark=0
lang=
typed=
while [ $# -gt 0 ]; do
  case "$1" in
    --show) show=${2:-}; shift 2 || true ;;
    --dark) dark=1; shift ;;
    --lang) lang=${2:-}; shift 2 || true ;;
    --type) typed=${2:-}; shift 2 || true ;;
    *) break ;;
  esac
done
case "$show" in
  main|sourceview) title='^Corvane'; keys=() ;;
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

# The platform theme reads its settings from XDG_CONFIG_HOME, which start_xvfb
# points inside $work, so the user's own theme is neither used nor changed.
use_dark_palette() {
  mkdir -p "$XDG_CONFIG_HOME/qt6ct"
  printf '%s\n' '[Appearance]' 'color_scheme_path=/usr/share/qt6ct/colors/darker.conf' \
    'custom_palette=true' 'style=Fusion' >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
  export QT_QPA_PLATFORMTHEME=qt6ct
}
if [ "$dark" = 1 ]; then use_dark_palette; fi
if [ -n "$lang" ]; then export LANGUAGE=$lang; fi
"$build/app/corvane/corvane" "$@" >"$work/app.log" 2>&1 &
app=$!
window=$(find_window '^Corvane')
[ -n "$window" ] || { echo "no Corvane window appeared" >&2; cat "$work/app.log" >&2; exit 1; }
sleep 1.5  # let the splash go and the window paint
if [ "$show" = sourceview ]; then
  # The page tabs sit at the bottom, above the 22-pixel status bar; x 170 lies
  # in the second tab whether tabs are 112 or 130 pixels wide.
  height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
  xdotool mousemove --window "$window" 170 $((height - 33)) click 1
  sleep 1
  if [ -n "$typed" ]; then
    # The editor's text lies right of the reference tree, below the caption bar.
    xdotool mousemove --window "$window" 600 200 click 1
    xdotool key ctrl+End Return
    xdotool type --delay 80 "$typed"
    sleep 2
  fi
fi
if [ ${#keys[@]} -gt 0 ]; then
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  for key in "${keys[@]}"; do xdotool key "$key"; sleep 0.3; done
  window=$(find_window "$title")
  [ -n "$window" ] || { echo "the $show window did not appear" >&2; exit 1; }
  sleep 1
fi
if [ -n "$typed" ]; then
  # The completion list is a window of its own: the picture is taken of the
  # screen, cut to the main window.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
else
  import -window "$window" "$out"
fi
echo "saved $out"
