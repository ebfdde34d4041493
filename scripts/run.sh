#!/usr/bin/env bash
# Installs what is missing, builds Release in build/ and starts Corvane,
# opening FILE when one is given. A lone --help or --version is answered by the
# program without a window, so it needs no display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="${CORVANE_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" --target corvane jsbtool
info_option=false
if [ $# -eq 1 ] && { [ "$1" = --help ] || [ "$1" = --version ]; }; then
  info_option=true
fi
if ! $info_option && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "$(uname)" = Linux ]; then
  cat >&2 <<MSG
No display to show the window on. Start it under a virtual one:
  xvfb-run -a $build/app/corvane/corvane $*
or take a picture of it with scripts/screenshot.sh OUT.png [FILE].
MSG
  exit 1
fi
exec "$build/app/corvane/corvane" "$@"
