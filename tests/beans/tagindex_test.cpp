// The one walk that finds the tags the reader reads, and the release of text
// the reader has read.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "beans/tagindex.h"
#include "testsupport.h"
#include "widgets/memorypages.h"

namespace {

// Each tag found as "start:kind", kinds by their number.
std::string Found(std::string_view Text) {
  std::string Out;
  for (const TIndexedTag& T : IndexTags(Text))
    Out += std::to_string(T.Start) + ":" + std::to_string(static_cast<int>(T.Kind)) + " ";
  return Out;
}

}  // namespace

TEST(TagIndex, KindsCaseAndPrefixes) {
  const std::pair<std::string, std::string> Cases[] = {
      {"<JSB_DESCRIPTOR><jsb_property><Jsb_Method><JSB_PARAMETER>", "0:0 16:1 30:2 42:3 "},
      {"<JSB_EVENTSET x><jsb_interfaceX><jsb_listener >", "0:4 16:5 32:9 "},
      // Closing tags and the constructor count in exactly one letter case.
      {"</JSB_METHOD></jsb_method></JSB_METHOD", "0:6 "},
      {"<JSB_CONSTRUCTOR><jsb_constructor></JSB_CONSTRUCTOR></JSB_CONSTRUCTOR", "0:7 34:8 "},
      // Neither other tags nor names cut short at the end of the text.
      {"<JSB><JSB_LISTENER><JSB_PROP<JSB_", ""},
      {"<<JSB_EVENT", "1:4 "},
      {"<JSB_PARAM <JSB_PROPERT <JSB_DESCRIPTO <JSB_LISTENER\t<JSB_EVEN <JSB_METHO", ""},
      {"<JSB_DESCRIPTOS <JSB_INTERFACF <JSB_CONSTRUCTOR <JSB_METHOD", "48:2 "},
  };
  // Near the end of the text names are compared byte by byte, elsewhere
  // sixteen bytes at once: both ways find the same.
  for (const auto& [Text, Expected] : Cases) {
    EXPECT_EQ(Found(Text), Expected) << Text;
    EXPECT_EQ(Found(Text + std::string(20, ' ')), Expected) << Text;
  }
}

// A tag ends at the first '>' after it, found in the same walk: tags without
// one of their own share the next, wherever the walk's blocks divide the
// text; the last tags may have none. The text's bytes say whether it is ASCII.
TEST(TagIndex, EndsAndAsciiFromTheSameWalk) {
  const auto Ends = [](std::string_view Text, bool& Ascii) {
    std::string Out;
    for (const TIndexedTag& T : IndexTags(Text, &Ascii))
      Out += T.End == TIndexedTag::Unclosed ? "- " : std::to_string(T.End) + " ";
    return Out;
  };
  const std::string Pad(60, ' ');
  const std::tuple<std::string, std::string, bool> Cases[] = {
      {"<JSB_EVENT a><JSB_EVENT>", "12 23 ", true},
      {"<JSB_EVENT <JSB_METHOD " + Pad + "x>", "84 84 ", true},
      {"<JSB_EVENT a>\xC3\xA9" + Pad + "<JSB_EVENT", "12 - ", false},
      {Pad + "<JSB_EVENT a>\xC3\xA9", "72 ", false},
      {"x>" + Pad + "<JSB_PROPERTY <jsb_property" + Pad, "- - ", true},
  };
  for (const auto& [Text, Expected, Ascii] : Cases) {
    bool Found = !Ascii;
    EXPECT_EQ(Ends(Text, Found), Expected) << Text;
    EXPECT_EQ(Found, Ascii) << Text;
  }
}

#if defined(__linux__)
TEST(TagIndex, ReleasedPagesReadAsZeroAndNothingAroundThemChanges) {
  constexpr size_t Size = 64 * 4096;
  std::string Buffer(Size, 'x');
  ReleasePages(Buffer.data() + 100, Buffer.data() + Size - 100);
  const size_t Zeros = static_cast<size_t>(std::count(Buffer.begin(), Buffer.end(), '\0'));
  EXPECT_GT(Zeros, Size - 2 * 4096 - 200);  // the whole pages in the range
  EXPECT_EQ(Buffer.find('\0'), Buffer.find('\0', 100));
  EXPECT_EQ(Buffer.substr(0, 100), std::string(100, 'x'));
  EXPECT_EQ(Buffer.substr(Size - 100), std::string(100, 'x'));
}
#endif

// A text the reader owns goes back to the system behind the walk: what is
// read from a large one must equal what is read from the same text kept by
// the caller, items, places and constructor alike.
TEST(TagIndex, AnOwnedTextReadsAsAKeptOne) {
  std::string Text = "<JSB>\r\n<JSB_DESCRIPTOR NAME=\"d\">\r\n";
  for (int I = 0; I < 50000; ++I) {
    Text += "<JSB_PROPERTY NAME=\"p" + std::to_string(I) + "\"\r\n  TYPE=\"number\">\r\n";
    if (I % 5 == 0) Text += "<JSB_METHOD NAME=m><JSB_PARAMETER NAME=x>\r\n</JSB_METHOD>\r\n";
    if (I == 25000) Text += "<JSB_CONSTRUCTOR>\r\nf();\r\n</JSB_CONSTRUCTOR>\r\n";
  }
  Text += "<JSB_EVENT NAME=e>\r\n";
  ASSERT_GT(Text.size(), size_t(2) << 20);  // more than one step of release
  const TJSBReadResult Kept = ReadJSBTextView(Text, "f.jsb");
  const TJSBReadResult Owned = ReadJSBText(Text, "f.jsb");
  EXPECT_EQ(Describe(*Owned.Bean), Describe(*Kept.Bean));
  EXPECT_EQ(Owned.Constructor, "f();\r\n");
  EXPECT_EQ(Owned.Places.Constructor, Kept.Places.Constructor);
  ASSERT_EQ(Owned.Items.size(), Kept.Items.size());
  for (size_t I = 0; I < Kept.Items.size(); I += 997) {
    EXPECT_EQ(Owned.Items[I].Place.Line, Kept.Items[I].Place.Line) << I;
    EXPECT_EQ(Owned.Items[I].Caption(), Kept.Items[I].Caption()) << I;
  }
  const auto LastTag = static_cast<std::ptrdiff_t>(Text.rfind('<'));
  EXPECT_EQ(Owned.Items.back().Place.Line,
            std::count(Text.begin(), Text.begin() + LastTag, '\n') + 1);
}
