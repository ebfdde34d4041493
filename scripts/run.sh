#!/usr/bin/env bash
# Installs what is missing, builds Release in build/ and starts Corvane on FILE.
# Until the window exists this checks FILE (or the examples) with jsbtool.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="${CORVANE_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" --target jsbtool
if [ $# -gt 0 ]; then
  exec "$build/app/jsbtool/jsbtool" check "$@"
fi
exec "$build/app/jsbtool/jsbtool" check "$root"/examples/*.jsb
