#include "beans/tagscan.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include "tagscanref.h"

namespace {

std::string Join(std::mt19937& Rng, const std::vector<std::string>& Pieces, int Count) {
  std::uniform_int_distribution<size_t> Pick(0, Pieces.size() - 1);
  std::string S;
  for (int I = 0; I < Count; ++I)
    S += Pieces[Pick(Rng)];
  return S;
}

}  // namespace

TEST(FindTag, CutsFromTheTagToTheFirstTerminator) {
  std::string Tag = "unchanged";
  EXPECT_TRUE(FindTag("x <jsb_property name=\"a\"> y", "<JSB_PROPERTY", ">", Tag));
  EXPECT_EQ(Tag, "<jsb_property name=\"a\">");
  EXPECT_TRUE(FindTag("<JSB_PROPERTY NAME=\"a>b\" TYPE=\"x\">", "<JSB_PROPERTY", ">", Tag));
  EXPECT_EQ(Tag, "<JSB_PROPERTY NAME=\"a>");  // a '>' inside a value ends the tag early
}

TEST(FindTag, MissingTagOrTerminator) {
  std::string Tag = "unchanged";
  EXPECT_FALSE(FindTag("<JSB_EVENT NAME=\"a\">", "<JSB_PROPERTY", ">", Tag));
  EXPECT_EQ(Tag, "unchanged");
  EXPECT_FALSE(FindTag("<JSB_PROPERTY NAME=\"a\"", "<JSB_PROPERTY", ">", Tag));
  EXPECT_EQ(Tag, "");
  // Names are expected in upper case: a lower-case one never matches the folded text.
  Tag = "unchanged";
  EXPECT_FALSE(FindTag("<jsb_property>", "<jsb_property", ">", Tag));
  EXPECT_EQ(Tag, "unchanged");
}

TEST(FindTag, HighBytesAreNotFolded) {
  std::string Tag;
  EXPECT_FALSE(FindTag("<JSB_PROP\xc9RTY>", "<JSB_PROPERTY", ">", Tag));
  EXPECT_EQ(FindFolded("a\xe9"
                       "b",
                       "A\xc9"),
            std::string_view::npos);
  EXPECT_EQ(FindFolded("xx\xe9yz", "\xe9YZ"), 2u);
}

TEST(Attributes, QuotedAndUnquotedValues) {
  std::string V;
  EXPECT_TRUE(GetAttributeValue("<JSB_METHOD NAME=\"run\" TYPE=\"void\">", "NAME", V));
  EXPECT_EQ(V, "run");
  EXPECT_TRUE(GetAttributeValue("<JSB_METHOD NAME = run TYPE=void>", "NAME", V));
  EXPECT_EQ(V, "run");
  EXPECT_TRUE(GetAttributeValue("<JSB_METHOD NAME = run TYPE=void>", "TYPE", V));
  EXPECT_EQ(V, "void");  // the tag's own '>' is not part of a value that runs to it
  EXPECT_TRUE(GetAttributeValue("<JSB_METHOD NAME=\"\">", "NAME", V));
  EXPECT_EQ(V, "");
  EXPECT_TRUE(GetAttributeValue("<X NAME=foo>TYPE=x >", "NAME", V));
  EXPECT_EQ(V, "foo>TYPE=x");
  EXPECT_TRUE(GetAttributeValue("<X NAME=a\tb c>", "NAME", V));
  EXPECT_EQ(V, "a\tb");  // a tab does not end an unquoted value
  EXPECT_FALSE(GetAttributeValue("<X NAME=>", "NAME", V));
  EXPECT_FALSE(GetAttributeValue("<X TYPE=\"a\">", "NAME", V));
  EXPECT_EQ(V, "");
}

TEST(Attributes, QuotedValueMustCloseOnItsLine) {
  std::string V = "old";
  EXPECT_FALSE(
      GetAttributeValue("<X NAME=\"a\"\r\n   DISPLAYNAME=\"two\r\nlines\">", "DISPLAYNAME", V));
  EXPECT_EQ(V, "");
  EXPECT_FALSE(GetAttributeValue("<X NAME=\"open>", "NAME", V));
}

TEST(Attributes, QuotedRunsBeforeALineBreakAreBlanked) {
  const std::string TwoLines =
      "<JSB_PROPERTY NAME=\"p\" DISPLAYNAME=\"not ISBOUND\"\r\n   TYPE=\"x\">";
  const std::string OneLine = "<JSB_PROPERTY NAME=\"p\" DISPLAYNAME=\"not ISBOUND\" TYPE=\"x\">";
  EXPECT_FALSE(HasAttribute(TwoLines, "ISBOUND"));
  EXPECT_TRUE(HasAttribute(OneLine, "ISBOUND"));
  EXPECT_EQ(BlankQuotedText("a\"b\"c\r\n\"d\"").size(), 10u);
  EXPECT_EQ(BlankQuotedText("a\"b\"c\r\n\"d\""), "a   c\r\n\"d\"");
  EXPECT_EQ(BlankQuotedText("x\"open\r\ny"), "x open\r\ny");  // a lone quote only
  EXPECT_EQ(BlankQuotedText("x\"open\r\ny\""), "x     \r\ny\"");
  EXPECT_EQ(BlankQuotedText("\"\r\n"), " \r\n");
}

TEST(Attributes, PatternOrderDecides) {
  std::string V;
  // TYPE= matches inside PROPTYPE= when no whitespace-led TYPE exists.
  EXPECT_TRUE(GetAttributeValue("<JSB_PROPERTY NAME=\"p\"\r\n PROPTYPE=\"JS\">", "TYPE", V));
  EXPECT_EQ(V, "JS");
  // A blank before the name wins although NAME= comes first in the text.
  EXPECT_EQ(FindAttribute("<X XNAME=1 NAME=2>", "NAME"), 16u);
  EXPECT_TRUE(GetAttributeValue("<X XNAME=1 NAME=2>", "NAME", V));
  EXPECT_EQ(V, "2");
  EXPECT_EQ(FindAttribute("<X\tname=\"a\">", "name"), 8u);
  EXPECT_TRUE(HasAttribute("<X ISJAVA=\"false\">", "ISJAVA"));  // the value is not looked at
  EXPECT_EQ(FindAttribute("<X>", "NAME"), 0u);
}

TEST(Attributes, AgreeWithTheStraightforwardRules) {
  struct TSet {
    std::vector<std::string> Pieces;
    std::vector<std::string_view> Names;  // scanned for all at once, as the reader does
  };
  const TSet Sets[] = {
      {{" ", "\t", "=", "\"", "\r\n", "NAME", "name", "TYPE", "PROPTYPE", "ISBOUND", "a", "\xe9",
        " =", ">", "\r", "\n"},
       {"NAME", "TYPE", "ISBOUND", "PROPTYPE", "name", "A"}},
      // Long names, names inside names and names running on out of others,
      // in either letter case.
      {{" ", "=", "\"", "\r\n", "DISPLAYNAME", "displayName", "SHORTDESCRIPTION", "NAME", "ENV",
        "EVENTMODEL", "shortdescriptio", "NAM", "E", "N", "V"},
       {"NAME", "DISPLAYNAME", "SHORTDESCRIPTION", "ENV", "EVENTMODEL", "NV"}},
  };
  std::mt19937 Rng(1234);
  for (const TSet& Set : Sets) {
    const TAttributeScanner Scanner(Set.Names);
    for (int Round = 0; Round < 20000; ++Round) {
      const std::string Tag = "<X " + Join(Rng, Set.Pieces, Round % 24);
      EXPECT_EQ(BlankQuotedText(Tag), RefBlank(Tag)) << Tag;
      size_t Positions[TAttributeScanner::MaxNames];
      Scanner.Scan(Tag, Positions);
      for (size_t I = 0; I < Set.Names.size(); ++I)
        ASSERT_EQ(Positions[I], RefFindAttribute(Tag, std::string(Set.Names[I])))
            << Set.Names[I] << " among all in " << Tag;
      for (const std::string_view N : Set.Names) {
        ASSERT_EQ(FindAttribute(Tag, N), RefFindAttribute(Tag, std::string(N)))
            << N << " in " << Tag;
        std::string Value = "x", RefValue = "y";
        ASSERT_EQ(GetAttributeValue(Tag, N, Value),
                  RefGetAttributeValue(Tag, std::string(N), RefValue))
            << Tag;
        ASSERT_EQ(Value, RefValue) << N << " in " << Tag;
      }
    }
  }
}

TEST(RemoveTagBlocks, RemovesBlocksWholly) {
  std::string T = "a<JSB_LISTENER NAME=\"x\">b</JSB_LISTENER>c";
  EXPECT_TRUE(RemoveTagBlocks(T, "<JSB_LISTENER ", "</JSB_LISTENER>"));
  EXPECT_EQ(T, "ac");
  T = "no listener <JSB_LISTENER>here</JSB_LISTENER>";
  EXPECT_FALSE(RemoveTagBlocks(T, "<JSB_LISTENER ", "</JSB_LISTENER>"));
  EXPECT_EQ(T, "no listener <JSB_LISTENER>here</JSB_LISTENER>");
  T = "<jsb_listener a>1</JSB_listener>2<JSB_LISTENER b>open";
  EXPECT_TRUE(RemoveTagBlocks(T, "<JSB_LISTENER ", "</JSB_LISTENER>"));
  EXPECT_EQ(T, "2<JSB_LISTENER b>open");  // the unclosed block stays
}

TEST(RemoveTagBlocks, JoinedTextIsSearchedAgain) {
  // Removing the inner block joins "<JSB_LIS" and "TENER " into a new opening tag.
  std::string T = "<JSB_LIS<JSB_LISTENER x>y</JSB_LISTENER>TENER z>w</JSB_LISTENER>end";
  EXPECT_TRUE(RemoveTagBlocks(T, "<JSB_LISTENER ", "</JSB_LISTENER>"));
  EXPECT_EQ(T, "end");
}

TEST(RemoveTagBlocks, AgreesWithTheStraightforwardRules) {
  std::mt19937 Rng(99);
  const std::vector<std::string> Pieces = {"<AB ", "</AB>", "<A", "B ", "</A", "B>", "x", "<"};
  for (int Round = 0; Round < 20000; ++Round) {
    const std::string Text = Join(Rng, Pieces, Round % 16);
    std::string Fast = Text, Slow = Text;
    const bool F = RemoveTagBlocks(Fast, "<ab ", "</AB>");
    const bool S = RefRemove(Slow, "<ab ", "</AB>");
    ASSERT_EQ(F, S) << Text;
    ASSERT_EQ(Fast, Slow) << Text;
  }
}
