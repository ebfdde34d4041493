// Splitting and comparing version strings through the loaded library.
#include <cstdlib>
#include <string>

#include "gauger_api.h"

namespace {

using GaugerVersionSplit = GaugerTest;
using GaugerCompareStrings = GaugerTest;
using GaugerCompareVersions = GaugerTest;

TEST_F(GaugerVersionSplit, SplitsAtTheFirstLowerCaseB) {
  EXPECT_EQ(major("4.0b2"), "4.0");
  EXPECT_EQ(minor("4.0b2"), "2");
  EXPECT_EQ(major("4b2b3"), "4");
  EXPECT_EQ(minor("4b2b3"), "2b3");
  EXPECT_EQ(major("b7"), "");
  EXPECT_EQ(minor("b7"), "7");
  EXPECT_EQ(major("4.0b"), "4.0");
  EXPECT_EQ(minor("4.0b"), "");  // an empty minor part, not a missing one
}

TEST_F(GaugerVersionSplit, WithoutLowerCaseBThereIsNoMinorPart) {
  EXPECT_EQ(major("4.0"), "4.0");
  EXPECT_EQ(minor("4.0"), std::nullopt);
  EXPECT_EQ(major(""), "");
  EXPECT_EQ(minor(""), std::nullopt);
  EXPECT_EQ(major("4.0B2"), "4.0B2");
  EXPECT_EQ(minor("4.0B2"), std::nullopt);
  EXPECT_EQ(major("\xE2\x80\x9C"), "\xE2\x80\x9C");  // high bytes are not a 'b'
}

TEST_F(GaugerVersionSplit, ResultsAreFreshCopies) {
  const char version[] = "4.0b2";
  char* first = api().getMajorVersion(version);
  char* second = api().getMajorVersion(version);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_NE(first, version);
  first[0] = 'X';
  EXPECT_STREQ(second, "4.0");
  EXPECT_STREQ(version, "4.0b2");
  std::free(first);
  std::free(second);
}

TEST_F(GaugerVersionSplit, MegabyteVersionSplits) {
  std::string head(600'000, '7');
  for (std::size_t i = 1; i < head.size(); i += 3)
    head[i] = '.';
  const std::string tail = std::string(448'573, 'c') + "b9";  // a later b stays in the tail
  const std::string version = head + "b" + tail;
  ASSERT_EQ(version.size(), 1u << 20);
  EXPECT_EQ(major(version), head);
  EXPECT_EQ(minor(version), tail);
  EXPECT_EQ(major(head), head);
  EXPECT_EQ(minor(head), std::nullopt);
}

TEST_F(GaugerCompareStrings, FoldsAsciiLetters) {
  EXPECT_EQ(api().compareStrings("abc", "ABC"), 0);
  EXPECT_EQ(api().compareStrings("MiXeD", "mIxEd"), 0);
  EXPECT_EQ(api().compareStrings("abc", "abd"), -1);
  EXPECT_EQ(api().compareStrings("abd", "abc"), 1);
  EXPECT_EQ(api().compareStrings("", ""), 0);
}

TEST_F(GaugerCompareStrings, ReturnsTheUnclampedByteDifference) {
  EXPECT_EQ(api().compareStrings("4.0", "4.01"), -'1');  // terminator against '1'
  EXPECT_EQ(api().compareStrings("4.01", "4.0"), '1');
  EXPECT_EQ(api().compareStrings("10", "9"), '1' - '9');  // digits are not numbers
  EXPECT_EQ(api().compareStrings("a", "Z"), 'A' - 'Z');
  EXPECT_EQ(api().compareStrings("_", "z"), '_' - 'Z');  // 0x5B..0x60 sort after letters
  EXPECT_EQ(api().compareStrings("`", "a"), '`' - 'A');
}

TEST_F(GaugerCompareStrings, HighBytesAreUnsignedAndUnfolded) {
  EXPECT_EQ(api().compareStrings("\x80", "\x7F"), 1);
  EXPECT_EQ(api().compareStrings("\xFF", ""), 255);
  EXPECT_EQ(api().compareStrings("", "\xFF"), -255);
  EXPECT_EQ(api().compareStrings("\xFF", "a"), 0xFF - 'A');
  EXPECT_EQ(api().compareStrings("\xE9", "\xC9"), 0xE9 - 0xC9);  // no Latin-1 folding
  EXPECT_EQ(api().compareStrings("x\xE0", "X\xE0"), 0);
}

TEST_F(GaugerCompareVersions, EqualApartFromLetterCase) {
  EXPECT_EQ(api().compareVersions("4.0", "4.0"), 0);
  EXPECT_EQ(api().compareVersions("4.0b2", "4.0b2"), 0);
  EXPECT_EQ(api().compareVersions("release.x", "RELEASE.X"), 0);
  EXPECT_EQ(api().compareVersions("4.0b2X", "4.0b2x"), 0);
}

TEST_F(GaugerCompareVersions, MinorPartSortsBeforeTheBareMajorPart) {
  EXPECT_EQ(api().compareVersions("4.0b2", "4.0"), -1);
  EXPECT_EQ(api().compareVersions("4.0", "4.0b2"), 1);
  EXPECT_EQ(api().compareVersions("4.0b", "4.0"), -1);  // an empty minor part still counts
  EXPECT_EQ(api().compareVersions("4.0", "4.0b"), 1);
}

TEST_F(GaugerCompareVersions, MinorPartsCompareAsStrings) {
  EXPECT_EQ(api().compareVersions("4.0b2", "4.0b3"), -1);
  EXPECT_EQ(api().compareVersions("4.0b10", "4.0b9"), '1' - '9');
  EXPECT_EQ(api().compareVersions("4.0b", "4.0b1"), -'1');
  EXPECT_EQ(api().compareVersions("4.0b2b1", "4.0b2"), 'B');
}

TEST_F(GaugerCompareVersions, MajorPartsDecideFirst) {
  EXPECT_EQ(api().compareVersions("4.1b1", "4.0"), 1);
  EXPECT_EQ(api().compareVersions("9b1", "1b9"), 8);  // returned unchanged
  EXPECT_EQ(api().compareVersions("4.0b9", "4.10b1"), '0' - '1');
  EXPECT_EQ(api().compareVersions("4.0B2", "4.0b2"), 'B');  // 'B' against the terminator
}

}  // namespace
