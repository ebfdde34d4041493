#!/usr/bin/env bash
# Runs one of the desktop's validators on a file: validate.sh TOOL ARGS... FILE.
# A missing validator skips the test (77); anything it reports fails it.
set -uo pipefail
command -v "$1" >/dev/null 2>&1 || { echo "skipped: $1 is not installed"; exit 77; }
exec "$@"
