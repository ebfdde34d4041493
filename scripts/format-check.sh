#!/usr/bin/env bash
# Fails when a C++ file changed since the branch left BASE (default: main) is
# not formatted as the root .clang-format says. On BASE itself (a clean clone
# in CI) every tracked C++ file is checked.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-main}
if git rev-parse --verify -q "$base" >/dev/null &&
  [ "$(git rev-parse HEAD)" != "$(git rev-parse "$base")" ]; then
  mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$(git merge-base HEAD "$base")" -- '*.cpp' '*.h')
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
mapfile -t files < <(printf '%s\n' "${files[@]}" | grep -v -e '^gauger/windows/' -e '^$' || true)
[ ${#files[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${files[@]}"
