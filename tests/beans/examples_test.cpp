// The shipped examples open as documented, and a file the writer produced
// comes back byte for byte when it is opened and saved again.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include "beans/jsbwriter.h"
#include "testsupport.h"

namespace {

std::string Example(const std::string& Name) {
  return std::string(CORVANE_EXAMPLES) + "/" + Name;
}

std::string RawBytes(const std::string& Name) {
  std::ifstream In(Example(Name), std::ios::binary);
  return {std::istreambuf_iterator<char>(In), {}};
}

TRead ReadExample(const std::string& Name) {
  TRead R{ReadJSBFile(Example(Name)), {}};
  R.Notices = R.Result.Notices;
  return R;
}

}  // namespace

TEST(Examples, WriterFilesSurviveOpenAndSave) {
  for (const char* Name : {"clock.jsb", "slideshow.jsb"}) {
    const TRead R = ReadExample(Name);
    EXPECT_TRUE(R.Notices.empty()) << Name;
    EXPECT_EQ(WriteJSBText(*R.Result.Bean, R.Result.Constructor), RawBytes(Name)) << Name;
  }
}

TEST(Examples, LegacyFileOpensWithNotices) {
  const TRead R = ReadExample("legacy.jsb");
  const std::string File = Example("legacy.jsb");
  ASSERT_EQ(R.Notices.size(), 2u);
  EXPECT_EQ(R.Notices[0], File +
                              " appears to be an outdated JavaScript BeanInfo file. Any "
                              "attributes contained in the <JSB> tag will be ignored.");
  EXPECT_EQ(R.Notices[1], "<JSB_LISTENER> tags were found in " + File +
                              ". These tags are not supported in Corvane PR1 and will be ignored.");
  const TJSBean& B = *R.Result.Bean;
  EXPECT_EQ(B.Name(), "old.Counter");
  ASSERT_EQ(B.Properties().Count(), 1);
  EXPECT_TRUE(B.Properties().Items(0)->IsBound());
  ASSERT_EQ(B.Methods().Count(), 1);
  EXPECT_EQ(B.Methods().Items(0)->Type(), "void");
  EXPECT_EQ(R.Result.Constructor, "function old_Counter(params) { this.count = 0; }\r\n");
}
