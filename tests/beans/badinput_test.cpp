// Hostile and broken input ends quickly with a defined result.
#include <gtest/gtest.h>

#include <random>

#include "testsupport.h"

TEST(BadInput, EmptyAndGarbage) {
  EXPECT_FALSE(Read("").Result.Valid);
  std::mt19937 Rng(5);
  std::uniform_int_distribution<int> Byte(0, 255);
  for (int Round = 0; Round < 200; ++Round) {
    std::string Junk(size_t(Round * 37), '\0');
    for (char& C : Junk)
      C = char(Byte(Rng));
    const TRead R = Read("<JSB>" + Junk);  // must simply not crash or hang
    EXPECT_TRUE(R.Result.Valid);
  }
}

TEST(BadInput, TagSoupDoesNotConfuseThePasses) {
  std::mt19937 Rng(11);
  const std::vector<std::string> Pieces = {"<JSB_PROPERTY ",
                                           "<JSB_METHOD ",
                                           "</JSB_METHOD>",
                                           "<JSB_PARAMETER ",
                                           "<JSB_EVENT ",
                                           "<JSB_INTERFACE ",
                                           "<JSB_DESCRIPTOR ",
                                           "<JSB_LISTENER ",
                                           "</JSB_LISTENER>",
                                           "<JSB_CONSTRUCTOR>",
                                           "</JSB_CONSTRUCTOR>",
                                           "NAME=",
                                           "\"",
                                           ">",
                                           "\r\n",
                                           " ",
                                           "x"};
  std::uniform_int_distribution<size_t> Pick(0, Pieces.size() - 1);
  for (int Round = 0; Round < 3000; ++Round) {
    std::string Text = "<JSB>";
    for (int I = Round % 40; I > 0; --I)
      Text += Pieces[Pick(Rng)];
    const TRead R = Read(Text);
    size_t Params = 0;
    for (int I = 0; I < R.Result.Bean->Methods().Count(); ++I)
      Params += size_t(R.Result.Bean->Methods().Items(I)->Parameters().Count());
    // Every tag is read at most once, so there are never more items than tags.
    ASSERT_LE(R.Result.Items.size(), Text.size() / 10) << Text;
    ASSERT_EQ(R.Result.Items.size(),
              size_t(R.Result.Bean->Properties().Count() + R.Result.Bean->Methods().Count() +
                     R.Result.Bean->EventSets().Count() + R.Result.Bean->Interfaces().Count()) +
                  Params);
  }
}

TEST(BadInput, NulEndsTheFile) {
  const char Raw[] = "<JSB><JSB_PROPERTY NAME=\"a\">\0<JSB_PROPERTY NAME=\"b\">";
  const TRead R = Read(std::string(Raw, sizeof Raw - 1));
  EXPECT_EQ(R.Result.Bean->Properties().Count(), 1);
}

TEST(BadInput, UnterminatedTagsAndQuotes) {
  EXPECT_EQ(Read("<JSB><JSB_PROPERTY NAME=\"a").Result.Bean->Properties().Count(), 0);
  const TRead R = Read("<JSB><JSB_METHOD NAME=\"m\"><JSB_PARAMETER NAME=\"p");
  ASSERT_EQ(R.Result.Bean->Methods().Count(), 1);
  EXPECT_EQ(R.Result.Bean->Methods().Items(0)->Parameters().Count(), 0);
  EXPECT_EQ(
      Read("<JSB><JSB_LISTENER x><JSB_PROPERTY NAME=\"kept\">").Result.Bean->Properties().Count(),
      1);
}

TEST(BadInput, HugeSingleLines) {
  const std::string Long(50u << 20, 'a');
  const TRead A = Read("<JSB><JSB_PROPERTY NAME=\"" + Long + "\" TYPE=x>");
  ASSERT_EQ(A.Result.Bean->Properties().Count(), 1);
  EXPECT_EQ(A.Result.Bean->Properties().Items(0)->Name().size(), Long.size());
  EXPECT_EQ(A.Result.Bean->Properties().Items(0)->Type(), "x");
  // Many quotes on one endless line, and many small listener blocks.
  std::string Quotes = "<JSB><JSB_PROPERTY NAME=x";
  for (int I = 0; I < 200000; ++I)
    Quotes += " \"q\"";
  Quotes += "\r\n ISBOUND>";
  EXPECT_TRUE(Read(Quotes).Result.Bean->Properties().Items(0)->IsBound());
  std::string Blocks = "<JSB>";
  for (int I = 0; I < 200000; ++I)
    Blocks += "<JSB_LISTENER a>b</JSB_LISTENER>";
  Blocks += "<JSB_PROPERTY NAME=\"after\">";
  EXPECT_EQ(Read(Blocks).Result.Bean->Properties().Items(0)->Name(), "after");
  std::string Methods = "<JSB>";
  for (int I = 0; I < 100000; ++I)
    Methods += "<JSB_METHOD NAME=m><JSB_PARAMETER NAME=p>";
  EXPECT_EQ(Read(Methods).Result.Bean->Methods().Count(), 100000);
}

TEST(BadInput, TagsThatRunIntoEachOtherStopWithANotice) {
  std::string Text = "<JSB>";
  for (int I = 0; I < 100000; ++I)
    Text += "<JSB_PROPERTY NAME=x" + std::to_string(I) + " ";
  Text += ">";
  const TRead R = Read(Text, "soup.jsb");
  ASSERT_EQ(R.Notices.size(), 1u);
  EXPECT_EQ(R.Notices[0],
            "soup.jsb could not be read completely: many of its tags have no closing \">\" and "
            "run into one another. The tags after that point were ignored.");
  const TPropertyDescriptors& Props = R.Result.Bean->Properties();
  ASSERT_GT(Props.Count(), 10);
  EXPECT_EQ(Props.Items(3)->Name(), "x3");  // what was read was read right
  // An ordinary file of the same size never comes near the limit.
  std::string Fine = "<JSB>";
  for (int I = 0; I < 100000; ++I)
    Fine += "<JSB_PROPERTY NAME=x" + std::to_string(I) + ">";
  const TRead F = Read(Fine);
  EXPECT_TRUE(F.Notices.empty());
  EXPECT_EQ(F.Result.Bean->Properties().Count(), 100000);
}
