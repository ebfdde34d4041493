# Reads ctest's Testing/Temporary/LastTest.log and prints why each test that
# skipped all or part of its work did so, one "skipped: TEST: reason" a line:
# ctest itself shows no output of a passed or skipped test.
/^[0-9]+\/[0-9]+ Testing: / {
  test = $0
  sub(/^[0-9]+\/[0-9]+ Testing: /, "", test)
  gtest_reason = 0
  next
}
# GoogleTest: "FILE:LINE: Skipped", then the reason, then "[  SKIPPED ]".
gtest_reason {
  gtest_reason = 0
  print "skipped: " test ": " ($0 ~ /^\[  SKIPPED \]/ ? "(no reason given)" : $0)
  next
}
/: Skipped$/ { gtest_reason = 1; next }
# Qt Test: "SKIP   : Class::function() reason".
/^SKIP   : / {
  reason = $0
  sub(/^SKIP   : [^ ]+ ?/, "", reason)
  print "skipped: " test ": " reason
  next
}
# The project's scripts: "skipped: reason".
/^skipped: / {
  reason = $0
  sub(/^skipped: /, "", reason)
  print "skipped: " test ": " reason
}
