#!/usr/bin/env bash
# Builds the JSB benchmarks in Release and runs them: read and write throughput
# for generated 1, 10 and 50 MB files and the peak memory of reading them
# (jsbbench), then the time the main window takes to open files of 100, 1,000,
# 10,000 and 100,000 items on the offscreen platform (jsbwindowbench) and its
# comparisons of a focus-in, a keystroke, an undo, an open, a recovery copy and
# a save with an anchor each, and the source editor's colouring beside the
# editing component's own JavaScript lexer on a 200,000-line constructor
# (jsbeditbench), the constructor's JavaScript syntax check on lodash.js and on
# that constructor beside a tokenizer pass, and typing in it with the check on
# and off (jsbscriptbench), and jsbtool check on 10,000 small files and on a
# 50 MB file in every output format, beside xmllint and a core read
# (bench-jsbtool.py).
# Arguments go to each (for example --runs 9 or --dir /some/folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="${CORVANE_BENCH_BUILD_DIR:-$root/build-bench}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_BENCH=ON
cmake --build "$build" --target jsbbench jsbwindowbench jsbeditbench jsbscriptbench --parallel "$(nproc 2>/dev/null || echo 2)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
"$build/bench/jsbbench" "$@"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/jsbwindowbench" "$@"
for only in focus keystroke undo open recovery save; do
  QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/jsbwindowbench" --only "$only" "$@"
done
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/jsbeditbench" "$@"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/jsbscriptbench" "$@"
cmake --build "$build" --target jsbtool --parallel "$(nproc 2>/dev/null || echo 2)"
python3 "$root/scripts/bench-jsbtool.py" "$build"
