#include <QtTest>

#include "editor/syntaxlist.h"
#include "editor/tokenizer.h"

namespace {

const std::string kJavaScript =
    "2\"\\2'\\2//2/*2*/1+1-1/1\\1;1:1=1(1)1[1]1.1{1}2++2--2&&2||1!2!=1<1>2>=2<=";
const std::string kHtml = "0001>1<";

struct TSeen {
  TTokenKind Kind;
  std::string Text;
  int Number;
  bool operator==(const TSeen&) const = default;
};

std::vector<TSeen> Tokens(const std::string& Syntax, const std::string& Text) {
  std::vector<TSeen> Result;
  for (const TToken& T : TTokenizer(ParseSyntax(Syntax)).TokenizeText(Text))
    Result.push_back({T.Kind, Text.substr(T.Start, T.Length), T.Number});
  return Result;
}

}  // namespace

class TSyntaxTest : public QObject {
  Q_OBJECT

 private slots:
  void ReadsTheJavaScriptList() {
    const TSyntaxList List = ParseSyntax(kJavaScript);
    QCOMPARE(List.Strings[0].Delimiter, "\"");
    QCOMPARE(List.Strings[0].Escape, "\\");
    QCOMPARE(List.Strings[1].Delimiter, "'");
    QCOMPARE(List.LineComment, "//");
    QCOMPARE(List.BlockOpen, "/*");
    QCOMPARE(List.BlockClose, "*/");
    const std::vector<std::string> Expected = {"+",  "-",  "/", "\\", ";", ":", "=",  "(",
                                               ")",  "[",  "]", ".",  "{", "}", "++", "--",
                                               "&&", "||", "!", "!=", "<", ">", ">=", "<="};
    QCOMPARE(List.Operators, Expected);
  }

  void ReadsTheHtmlList() {
    const TSyntaxList List = ParseSyntax(kHtml);
    QVERIFY(List.Strings[0].Delimiter.empty() && List.Strings[1].Delimiter.empty());
    QVERIFY(List.LineComment.empty());
    QCOMPARE(List.BlockOpen, ">");
    QCOMPARE(List.BlockClose, "<");
    QVERIFY(List.Operators.empty());
  }

  void StopsAtAMalformedItem() {
    QCOMPARE(ParseSyntax("1\"0x1;").Strings[0].Delimiter, "\"");
    QVERIFY(ParseSyntax("1\"0x1;").LineComment.empty());
    const TSyntaxList Overrun = ParseSyntax("000001+5abc");
    QCOMPARE(Overrun.Operators, std::vector<std::string>{"+"});
    std::string Long = "00000";
    while (Long.size() < 300)
      Long += "1+";
    QCOMPARE(ParseSyntax(Long).Operators.size(), std::size_t{125});  // cut at 255 characters
  }

  void SplitsWordsOperatorsStringsAndComments() {
    const std::vector<TSeen> Expected = {
        {TTokenKind::Word, "a", 0},         {TTokenKind::Operator, "+", 1},
        {TTokenKind::Word, "b\xc3\xa4", 0}, {TTokenKind::String, "\"x\\\"y\"", 1},
        {TTokenKind::Operator, "++", 15},   {TTokenKind::Word, "f", 0},
        {TTokenKind::Operator, "(", 8},     {TTokenKind::String, "'q'", 2},
        {TTokenKind::Operator, ">=", 23},   {TTokenKind::Comment, "// rest", 0}};
    QCOMPARE(Tokens(kJavaScript, "a+b\xc3\xa4\"x\\\"y\" ++f('q'>= // rest\r\n"), Expected);
  }

  void CarriesBlockCommentsAcrossLines() {
    const std::vector<TSeen> Seen = Tokens(kJavaScript, "a /* b\r\n c */ d\r\n\"open\r\ne");
    QCOMPARE(Seen.size(), std::size_t{6});
    QCOMPARE(Seen[1], (TSeen{TTokenKind::Comment, "/* b\r\n", 0}));
    QCOMPARE(Seen[2], (TSeen{TTokenKind::Comment, " c */", 0}));
    QCOMPARE(Seen[3].Text, "d");
    QCOMPARE(Seen[4], (TSeen{TTokenKind::String, "\"open", 1}));  // a string ends with its line
    QCOMPARE(Seen[5], (TSeen{TTokenKind::Word, "e", 0}));
    std::vector<TToken> Line;
    const TTokenizer Tokenizer(ParseSyntax(kJavaScript));
    QCOMPARE(Tokenizer.TokenizeLine("x /* y", TLineState::Normal, 0, Line),
             TLineState::InBlockComment);
    QCOMPARE(Tokenizer.TokenizeLine("y */ z", TLineState::InBlockComment, 0, Line),
             TLineState::Normal);
  }

  void TreatsTextBetweenTagsAsComment() {
    const std::vector<TSeen> Expected = {{TTokenKind::Word, "<b", 0},
                                         {TTokenKind::Comment, ">bold text<", 0},
                                         {TTokenKind::Word, "/b", 0},
                                         {TTokenKind::Comment, ">", 0}};
    QCOMPARE(Tokens(kHtml, "<b>bold text</b>"), Expected);
  }
};

QTEST_APPLESS_MAIN(TSyntaxTest)
#include "syntax_test.moc"
