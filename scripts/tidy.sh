#!/usr/bin/env bash
# Runs clang-tidy with the root .clang-tidy on the C++ sources changed since
# the branch left BASE (default: main), using the compile commands of BUILD
# (default: build). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-main}
build=${2:-build}
if ! git rev-parse --verify -q "$base" >/dev/null; then
  echo "tidy: no $base to compare with; nothing checked"
  exit 0
fi
mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$(git merge-base HEAD "$base")" -- '*.cpp' |
  grep -v '^gauger/windows/' || true)
[ ${#files[@]} -eq 0 ] && exit 0
clang-tidy --quiet -p "$build" "${files[@]}"
