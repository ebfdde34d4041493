#!/usr/bin/env bash
# The bash completions offer jsbtool's commands, options, --format values and
# files, and corvane's options and files: completion_test.sh COMPLETIONS_DIR
set -uo pipefail
helpers=/usr/share/bash-completion/bash_completion
[ -r "$helpers" ] || { echo "skipped: bash-completion is not installed"; exit 77; }
source "$helpers"
source "$1/jsbtool"
source "$1/corvane"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" && mkdir sub && touch a.jsb B.JSB c.Jsb notes.txt model.json

status=0
# expect FUNCTION EXPECTED WORD...: completes the last word as bash would.
expect() {
  local function=$1 expected=$2 got
  shift 2
  COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  got=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | xargs)
  [ "$got" = "$expected" ] || { echo "FAIL: $*: got '$got', expected '$expected'"; status=1; }
}
expect _jsbtool "check dump write" jsbtool ""
expect _jsbtool "checkstyle gcc json junit sarif text" jsbtool check --format=
expect _jsbtool "sarif" jsbtool --format s
expect _jsbtool "--force" jsbtool write --f
expect _jsbtool "B.JSB a.jsb c.Jsb sub" jsbtool check -r --quiet ""
expect _jsbtool "model.json sub" jsbtool write ""
expect _corvane "--help --version" corvane --
expect _corvane "B.JSB a.jsb c.Jsb sub" corvane ""
expect _corvane "" corvane a.jsb ""
exit $status
