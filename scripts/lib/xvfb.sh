# Shared by the scripts that run Corvane in a real window under Xvfb.
# Source it, then: start_xvfb WORK (sets DISPLAY and xvfb_pid, with settings
# kept inside WORK) and window=$(find_window PATTERN) (empty when none shows).

start_xvfb() {
  local work=$1
  # Xvfb picks a free display itself and reports it. Without -noreset the
  # server starts afresh each time its last client leaves, and a program that
  # connects in that moment cannot open the display: Qt then aborts at start.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$work/display")"
  export XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/system"
  unset QT_QPA_PLATFORM
}

find_window() {
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  echo "$window"
}
