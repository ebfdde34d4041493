#include "beans/encoding.h"

#include <gtest/gtest.h>

#include "beans/jsbwriter.h"
#include "testsupport.h"

TEST(Encoding, Detection) {
  EXPECT_EQ(DetectEncoding("plain ascii"), TTextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"), TTextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("caf\xe9"), TTextEncoding::Latin1);
  EXPECT_EQ(DetectEncoding("\xc3"), TTextEncoding::Latin1);              // cut short
  EXPECT_EQ(DetectEncoding("\xc0\xaf"), TTextEncoding::Latin1);          // overlong
  EXPECT_EQ(DetectEncoding("\xed\xa0\x80"), TTextEncoding::Latin1);      // surrogate
  EXPECT_EQ(DetectEncoding("\xf4\x90\x80\x80"), TTextEncoding::Latin1);  // past U+10FFFF
}

TEST(Encoding, Conversions) {
  EXPECT_EQ(ToUtf8("caf\xe9\xff", TTextEncoding::Latin1), "caf\xc3\xa9\xc3\xbf");
  EXPECT_EQ(FromUtf8("caf\xc3\xa9\xc3\xbf", TTextEncoding::Latin1), "caf\xe9\xff");
  EXPECT_EQ(FromUtf8("\xe2\x82\xac", TTextEncoding::Latin1), std::nullopt);
  EXPECT_EQ(FromUtf8("\xe2\x82\xac", TTextEncoding::Utf8), "\xe2\x82\xac");
  EXPECT_EQ(FromUtf8("\xff", TTextEncoding::Utf8), std::nullopt);
  for (int B = 0; B < 256; ++B) {
    const std::string One(1, static_cast<char>(B));
    EXPECT_EQ(FromUtf8(ToUtf8(One, TTextEncoding::Latin1), TTextEncoding::Latin1), One);
  }
}

TEST(Encoding, ReaderRemembersTheFilesEncoding) {
  EXPECT_EQ(Read("<JSB><JSB_DESCRIPTOR NAME=\"caf\xc3\xa9\">").Result.Encoding,
            TTextEncoding::Utf8);
  const TRead R = Read("<JSB><JSB_DESCRIPTOR NAME=\"caf\xe9\">");
  EXPECT_EQ(R.Result.Encoding, TTextEncoding::Latin1);
  EXPECT_EQ(R.Result.Bean->Name(), "caf\xc3\xa9");  // the model holds UTF-8
}

// The walk that finds the tags notices a byte that is not ASCII wherever it
// falls, in its steps of 64 bytes or in the short tail; a Latin-1 text is
// then converted and its tags found again where they now stand.
TEST(Encoding, ReaderFindsTheEncodingWhereverTheOddByteFalls) {
  const std::string Tail = "<JSB_PROPERTY NAME=\"p\">";
  for (size_t At = 0; At < 150; At += 7) {
    for (const auto& [Odd, Expected] : {std::pair{std::string("\xe9"), TTextEncoding::Latin1},
                                        std::pair{std::string("\xc3\xa9"), TTextEncoding::Utf8}}) {
      std::string Text = "<JSB><JSB_DESCRIPTOR NAME=\"d\">" + std::string(150, ' ') + Tail;
      Text.insert(At + 5, Odd);
      const TRead R = Read(Text);
      EXPECT_EQ(R.Result.Encoding, Expected) << At;
      ASSERT_EQ(R.Result.Bean->Properties().Count(), 1) << At;
      EXPECT_EQ(R.Result.Bean->Properties().Items(0)->Name(), "p") << At;
    }
  }
}

// The model holds UTF-8; the writer gives a Latin-1 file its own bytes back,
// and text Latin-1 cannot hold is written as UTF-8 rather than lost.
TEST(Encoding, WriterAppliesTheFilesEncoding) {
  const std::string Latin = "<JSB>\r\n<JSB_DESCRIPTOR NAME=\"caf\xe9\">\r\n";
  const TRead R = Read(Latin);
  const std::string Text = WriteJSBText(*R.Result.Bean, R.Result.Constructor);
  EXPECT_NE(EncodeJSBText(Text, R.Result.Encoding).find("NAME=\"caf\xe9\""), std::string::npos);
  EXPECT_EQ(EncodeJSBText(Text, TTextEncoding::Utf8), Text);
  R.Result.Bean->SetName("\xe2\x82\xac");
  const std::string Wide = WriteJSBText(*R.Result.Bean, "");
  EXPECT_EQ(EncodeJSBText(Wide, TTextEncoding::Latin1), Wide);
}
