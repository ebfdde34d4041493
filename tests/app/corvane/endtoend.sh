#!/usr/bin/env bash
# Starts the real program in a real window under Xvfb and works it by keyboard
# and mouse, as a person would: Preferences, About and Web Resources open and
# close with OK; Ctrl+V in the source editor pastes as Edit > Paste does; the
# document is saved and the program ends through File > Exit. Skipped when
# Xvfb is missing.
set -euo pipefail
program=$1
for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done
source "$(dirname "$0")/../../../scripts/lib/xvfb.sh"
work=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work"
# Recovery copies of the user's own sessions are not offered here.
export XDG_DATA_HOME="$work/data"
fail() { echo "FAIL: $*"; cat "$work/app.log"; exit 1; }
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.3; done; }

printf '<JSB>\r\n<JSB_DESCRIPTOR NAME="e2e.Demo">\r\n<JSB_CONSTRUCTOR>\r\n\tvar a;\r\n</JSB_CONSTRUCTOR>\r\n</JSB>\r\n' \
  >"$work/demo.jsb"
"$program" "$work/demo.jsb" >"$work/app.log" 2>&1 &
app=$!
window=$(find_window '^Corvane')
[ -n "$window" ] || fail "no window titled Corvane appeared"
echo "found window $window titled $(xdotool getwindowname "$window")"
sleep 1
xdotool windowfocus --sync "$window" 2>/dev/null || true

# Each auxiliary window opens from its menu and closes with its default OK.
check_dialog() {
  local title=$1; shift
  # Without a window manager nobody hands the focus back after a window closes.
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  keys "$@"
  local dialog
  dialog=$(find_window "$title")
  [ -n "$dialog" ] || fail "the window titled $title did not open"
  keys Return
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || { echo "$title: opened and closed with OK"; return; }
    sleep 0.1
  done
  fail "the window titled $title stayed open after OK"
}
# OK in Preferences keeps the stored tab setting, so the paste below still
# substitutes spaces.
check_dialog '^Preferences$' alt+e Up Return  # the Edit menu's last entry
# The Source View tab sits at the bottom left, beside the Component View's.
eval "$(xdotool getwindowgeometry --shell "$window")"  # sets WIDTH and HEIGHT
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool mousemove --window "$window" 168 $((HEIGHT - 33)) click 1
sleep 0.5
# The editor has the focus: copy its whole text and paste it at the end with
# Ctrl+V, which substitutes spaces for every tab, as Edit > Paste does.
keys ctrl+a ctrl+c ctrl+End ctrl+v alt+f s
sleep 0.5
if grep -q $'\t' "$work/demo.jsb"; then fail "Ctrl+V kept the tabs: $(cat -A "$work/demo.jsb")"; fi
grep -q '   var a;' "$work/demo.jsb" || fail "the pasted text was not saved: $(cat -A "$work/demo.jsb")"
echo "Ctrl+V pasted as Edit > Paste and the document was saved"

check_dialog '^About Corvane$' alt+h a
check_dialog '^Web Resources$' alt+h w

xdotool windowfocus --sync "$window" 2>/dev/null || true
keys alt+f e
for _ in $(seq 100); do
  if ! kill -0 "$app" 2>/dev/null; then
    rc=0; wait "$app" || rc=$?
    echo "program ended with status $rc"
    [ "$rc" -eq 0 ] || cat "$work/app.log"
    exit "$rc"
  fi
  sleep 0.1
done
fail "the program did not end after File > Exit"
