#!/usr/bin/env bash
# skipped.awk finds the reason of each kind of skip in a ctest log, and no
# reason where a test passed or failed: skipped_test.sh SKIPPED.AWK
set -euo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cat >"$log" <<'LOG'
1/5 Testing: TextFile.Locked
[ RUN      ] TextFile.Locked
/src/tests/widgets/textfile_test.cpp:120: Skipped
runs only as an ordinary user: root writes anywhere
[  SKIPPED ] TextFile.Locked (0 ms)
2/5 Testing: TextFile.Quiet
/src/tests/widgets/textfile_test.cpp:130: Skipped
[  SKIPPED ] TextFile.Quiet (0 ms)
3/5 Testing: window.insertcommands
PASS   : TInsertTest::insertsAFile()
SKIP   : TInsertTest::readErrorIsReportedAndInsertsNothing() needs /proc mounted
   Loc: [/src/tests/app/corvane/insertcommands_test.cpp(144)]
4/5 Testing: packaging.install
skipped: the icons' sizes: identify (imagemagick) is not installed
5/5 Testing: Reader.Plain
/src/tests/beans/reader_test.cpp:10: Failure
Skipped
[  FAILED  ] Reader.Plain (0 ms)
LOG
expected='skipped: TextFile.Locked: runs only as an ordinary user: root writes anywhere
skipped: TextFile.Quiet: (no reason given)
skipped: window.insertcommands: needs /proc mounted
skipped: packaging.install: the icons'"'"' sizes: identify (imagemagick) is not installed'
got=$(awk -f "$1" "$log")
if [ "$got" != "$expected" ]; then
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$got") || true
  exit 1
fi
