#!/usr/bin/env bash
# Builds the JSB benchmark in Release and runs it: read and write throughput
# for generated 1, 10 and 50 MB files and the peak memory of reading them.
# Arguments go to jsbbench (for example --runs 9 or --dir /some/folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="${CORVANE_BENCH_BUILD_DIR:-$root/build-bench}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_BENCH=ON
cmake --build "$build" --target jsbbench --parallel "$(nproc 2>/dev/null || echo 2)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
"$build/bench/jsbbench" "$@"
