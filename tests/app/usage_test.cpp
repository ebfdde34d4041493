#include <gtest/gtest.h>

#include "jsbtoolrun.h"

namespace {

TEST(JsbtoolUsage, HelpGoesToStandardOutput) {
  for (const char* Flag : {"--help", "-h"}) {
    const TRun R = RunTool({Flag});
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out.rfind("Usage: jsbtool dump FILE\n", 0), 0u) << R.Out;
    EXPECT_NE(R.Out.find("jsbtool check [--strict] [--quiet] [-r] [--format=FORMAT] [--] "
                         "FILE|FOLDER|-..."),
              std::string::npos);
    EXPECT_EQ(R.Err, "");
  }
}

TEST(JsbtoolUsage, BadCommandLinesFailWithAMessage) {
  const std::pair<std::vector<std::string>, std::string> Cases[] = {
      {{}, "no command given"},
      {{"frob"}, "unknown command \"frob\""},
      {{"dump"}, "dump takes exactly one FILE"},
      {{"dump", "a", "b"}, "dump takes exactly one FILE"},
      {{"write", "m.json"}, "write takes MODEL.json and OUT.jsb"},
      {{"check"}, "check takes at least one FILE"},
      {{"check", "--loud", "a.jsb"}, "unknown option \"--loud\""},
      {{"check", "--format=xml", "a.jsb"},
       "unknown format \"xml\" (text, gcc, json, sarif, junit or checkstyle)"},
      {{"check", "--format"}, "unknown format \"\" (text, gcc, json, sarif, junit or checkstyle)"},
      {{"dump", "--strict", "a.jsb"}, "--strict, --quiet, -r and --format go with check only"},
      {{"write", "-r", "a.json", "b.jsb"}, "--strict, --quiet, -r and --format go with check only"},
  };
  for (const auto& [Args, Problem] : Cases) {
    const TRun R = RunTool(Args);
    EXPECT_EQ(R.Status, 2) << Problem;
    EXPECT_EQ(R.Err.rfind("jsbtool: " + Problem + "\n", 0), 0u) << R.Err;
    EXPECT_NE(R.Err.find("Usage:"), std::string::npos);
    EXPECT_EQ(R.Out, "");
  }
}

}  // namespace
