#!/usr/bin/env bash
# Runs a fuzz target as a test: a fixed number of inputs, a fixed seed, its
# seed folders read but never written (new inputs go to a fresh scratch folder
# beside the target, and so does any input that fails).
set -euo pipefail
target=$1 runs=$2
work="$target.test"
rm -rf "$work"
mkdir -p "$work/new"
mapfile -t args <"$target.args"
exec "$target" -runs="$runs" -seed=1 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "${args[0]}" "$work/new" "${args[@]:1}"
