#!/usr/bin/env bash
# Starts Corvane under Xvfb on FILE (examples/clock.jsb when none is given)
# with its accessibility bridge on and lists, over AT-SPI as a screen reader
# finds them, the controls of the Component View (on the component and on a
# property), of the Source View, and of the Preferences (both tabs), About,
# Web Resources, Find, Replace, Go to Line and New Component windows, each
# opened from the keyboard as a person would.
# A control needs a name when it shows and takes the focus or is one the user
# operates (button, check box, combo box, text, tree, list, page tab, tool
# bar, split pane, menu item...); scroll bars are read by their orientation.
# The rows of an item view are named by their text and are not walked.
# Prints each window's counts and its unnamed controls, and exits 1 when there
# is any (scripts/lib/atspi_list.py walks the tree).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${CORVANE_BUILD_DIR:-$root/build}"
file=$(realpath -m "${1:-$root/examples/clock.jsb}")
[ -f "$file" ] || { echo "usage: scripts/atspi-list.sh [FILE]" >&2; exit 2; }
if [ -z "${CORVANE_ATSPI_SESSION:-}" ]; then
  "$root/scripts/deps.sh"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" --target corvane
  # The rest runs on a session bus of its own, which the accessibility bus joins.
  CORVANE_ATSPI_SESSION=1 exec dbus-run-session -- bash "$0" "$file"
fi
source "$root/scripts/lib/xvfb.sh"
work=$(mktemp -d)
trap 'kill "${app:-}" "${bus:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
bus=$!
QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$build/app/corvane/corvane" "$file" >"$work/app.log" 2>&1 &
app=$!
window=$(find_window '^Corvane')
[ -n "$window" ] || { echo "no Corvane window appeared" >&2; cat "$work/app.log" >&2; exit 1; }
sleep 1.5  # let the splash go and the window paint

failed=0
summary=()
# list LABEL TITLE: the window named TITLE over AT-SPI, its summary kept.
list() {
  local rc=0
  # Debian's own Python, which the AT-SPI bindings are installed for.
  /usr/bin/python3 "$root/scripts/lib/atspi_list.py" "$app" "$2" "$1" >"$work/list" || rc=$?
  cat "$work/list"
  summary+=("$(grep -m 1 "^$1: " "$work/list" || echo "$1: not listed")")
  [ "$rc" = 0 ] || failed=1
}
keys() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  for key in "$@"; do xdotool key "$key"; sleep 0.3; done
}
# dialog LABEL TITLE KEY...: opens it with the keys, presses the keys in
# $then once it shows, lists it, closes it.
dialog() {
  local label=$1 title=$2 shown
  shift 2
  keys "$@"
  shown=$(find_window "$title")
  if [ -z "$shown" ]; then
    echo "the $label window did not appear" >&2
    summary+=("$label: did not appear")
    failed=1
    return
  fi
  sleep 1
  for key in ${then:-}; do xdotool key "$key"; sleep 0.5; done
  list "$label" "$title"
  xdotool key Escape
  sleep 0.5
}

list "Component View" '^Corvane'
keys Down # the tree has the focus: the first property's pages
list "Component View, a property" '^Corvane'
dialog Preferences '^Preferences$' alt+e Up Return # the Edit menu's last entry
then=ctrl+Tab dialog "Preferences, Colors" '^Preferences$' alt+e Up Return
dialog About '^About Corvane$' alt+h a
dialog "Web Resources" '^Web Resources$' alt+h w
keys ctrl+Next
sleep 1
list "Source View" '^Corvane'
dialog Find '^Find$' alt+s f
dialog Replace '^Replace$' alt+s r
dialog "Go to Line" '^Go to Line$' alt+s g
dialog "New Component" '^New JavaScript Component$' ctrl+n # last: it closes the file
echo "=== summary"
printf '%s\n' "${summary[@]}"
exit "$failed"
