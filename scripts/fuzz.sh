#!/usr/bin/env bash
# Runs one fuzz target for a long campaign: scripts/fuzz.sh TARGET [SECONDS]
# (reader, scanners, textload, model or gauger; 600 seconds unless given).
# Builds it with Clang and the sanitizers in build-fuzz/ (CORVANE_FUZZ_BUILD_DIR),
# keeps what it finds in build-fuzz/tests/fuzz/TARGET.campaign/ for the next
# campaign, and prints the executions reached. An input that fails is saved
# there as crash-*, timeout-* or leak-*; the run then stops with status 1.
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: scripts/fuzz.sh TARGET [SECONDS]" >&2
  exit 2
fi
target=$1 seconds=${2:-600}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
source "$root/scripts/lib/ccache.sh"
build="${CORVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCORVANE_SANITIZE=ON -DCORVANE_FUZZ=ON -DCORVANE_BUILD_BENCH=OFF "${ccache_args[@]}" >/dev/null
cmake --build "$build" --target "${target}_fuzz" --parallel "$(nproc 2>/dev/null || echo 2)"
program="$build/tests/fuzz/${target}_fuzz"
work="$program.campaign"
mkdir -p "$work/corpus"
mapfile -t args <"$program.args"
cd "$work"
nice -n 10 "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" "${args[0]}" "$work/corpus" "${args[@]:1}" \
  2>&1 | tee "$work/last.log" | grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)'
