#!/usr/bin/env bash
# Fails when a C++ file changed since the branch left BASE (default: main) is
# not formatted as the root .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-main}
if ! git rev-parse --verify -q "$base" >/dev/null; then
  echo "format-check: no $base to compare with; nothing checked"
  exit 0
fi
mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$(git merge-base HEAD "$base")" -- '*.cpp' '*.h')
[ ${#files[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${files[@]}"
