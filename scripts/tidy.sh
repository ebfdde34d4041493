#!/usr/bin/env bash
# Runs clang-tidy with the root .clang-tidy on the C++ sources changed since
# the branch left BASE (default: main), using the compile commands of BUILD
# (default: build). On BASE itself (a clean clone in CI) the sources changed
# by its last commit are checked; for a merge, everything it brought in.
# Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-main}
build=${2:-build}
if git rev-parse --verify -q "$base" >/dev/null &&
  [ "$(git rev-parse HEAD)" != "$(git rev-parse "$base")" ]; then
  from=$(git merge-base HEAD "$base")
elif git rev-parse --verify -q HEAD~1 >/dev/null; then
  from=HEAD~1
else
  echo "tidy: nothing to compare with; nothing checked"
  exit 0
fi
mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$from" -- '*.cpp' |
  grep -v -e '^gauger/windows/' -e '^tests/fuzz/' || true)
[ ${#files[@]} -eq 0 ] && exit 0
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy --quiet -p "$build"
