// --help and --version of both programs: answered without a display, while
// every other command line of the window still names one file.
#include <gtest/gtest.h>

#include <sstream>

#include "app/corvane/commandline.h"
#include "jsbtoolrun.h"

namespace {

TEST(InfoOptions, AnsweredWithoutADisplay) {
  const std::string Version = CORVANE_VERSION;
  const std::tuple<const char*, const char*, std::string> Cases[] = {
      {CORVANE_PATH, "--help", "Usage: corvane [FILE]\n"},
      {CORVANE_PATH, "--version", "corvane " + Version + "\n"},
      {JSBTOOL_PATH, "--version", "jsbtool " + Version + "\n"},
  };
  for (const auto& [Program, Option, Start] : Cases) {
    const TRun R = RunWithoutDisplay(Program, {Option});
    EXPECT_EQ(R.Status, 0) << Program << " " << Option << "\n" << R.Err;
    EXPECT_EQ(R.Out.rfind(Start, 0), 0u) << R.Out;
    EXPECT_EQ(R.Err, "");
  }
}

TEST(InfoOptions, OnlyALoneOptionIsOne) {
  const std::vector<std::string> FileNames[] = {
      {}, {"--help", "x.jsb"}, {"My", "--version"}, {"-h"}, {"--HELP"}, {"My", "File.jsb"},
  };
  for (const auto& Args : FileNames) {
    std::ostringstream Out;
    EXPECT_FALSE(AnswerInfoOption(Args, Out).has_value()) << Args.size();
    EXPECT_EQ(Out.str(), "");
  }
  std::ostringstream Help;
  EXPECT_EQ(AnswerInfoOption({"--help"}, Help), 0);
  EXPECT_NE(Help.str().find("./--help"), std::string::npos);
}

}  // namespace
