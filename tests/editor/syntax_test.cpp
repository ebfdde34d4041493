#include <QtTest>
#include <random>

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

// The tokenizer's rules the plain way: every marker and operator is tried at
// every byte, in the tokenizer's order of precedence.
struct TPlainTokenizer {
  TSyntaxList L;

  static bool At(const std::string& T, std::size_t P, const std::string& M) {
    return !M.empty() && T.compare(P, M.size(), M) == 0;
  }
  int Operator(const std::string& T, std::size_t P, std::size_t& Len) const {
    int Best = 0;
    Len = 0;
    for (std::size_t I = 0; I < L.Operators.size(); ++I)
      if (L.Operators[I].size() > Len && At(T, P, L.Operators[I])) {
        Best = static_cast<int>(I) + 1;
        Len = L.Operators[I].size();
      }
    return Best;
  }
  int String(const std::string& T, std::size_t P) const {
    return At(T, P, L.Strings[0].Delimiter) ? 1 : At(T, P, L.Strings[1].Delimiter) ? 2 : 0;
  }
  bool Starts(const std::string& T, std::size_t P) const {
    std::size_t Len = 0;
    return (L.HasBlockComments() && At(T, P, L.BlockOpen)) || At(T, P, L.LineComment) ||
           String(T, P) || Operator(T, P, Len);
  }
};

bool IsBlank(char C) {
  return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\f';
}

std::size_t PlainStringEnd(const TStringDelimiter& D, const std::string& Line, std::size_t Pos,
                           std::size_t End) {
  const char Close = D.Delimiter[0];
  const bool Escapes = !D.Escape.empty();
  for (; Pos < End; ++Pos) {
    if (Escapes && Line[Pos] == D.Escape[0] && Line[Pos] != Close) {
      ++Pos;
    } else if (Line[Pos] == Close) {
      if (!(Escapes && D.Escape[0] == Close && Pos + 1 < End && Line[Pos + 1] == Close))
        return Pos + 1;
      ++Pos;
    }
  }
  return End;
}

// One line the plain way; true when it ends inside a block comment.
bool PlainLine(const TPlainTokenizer& P, const std::string& Line, bool InComment,
               std::vector<TSeen>& Out) {
  const TSyntaxList& L = P.L;
  std::size_t End = Line.size();
  while (End > 0 && (Line[End - 1] == '\r' || Line[End - 1] == '\n'))
    --End;
  std::size_t Pos = 0, Start = 0;
  bool Closed = true;
  auto Add = [&](TTokenKind Kind, int Number) {
    Out.push_back({Kind, Line.substr(Start, Pos - Start), Number});
  };
  auto CommentFrom = [&](std::size_t From) {
    const std::size_t Found = Line.find(L.BlockClose, From);
    Closed = Found != std::string::npos;
    Pos = Closed ? Found + L.BlockClose.size() : Line.size();
    if (Pos > Start) Add(TTokenKind::Comment, 0);
  };
  if (InComment) CommentFrom(0);
  while (Closed && Pos < End) {
    Start = Pos;
    std::size_t Len = 0;
    if (IsBlank(Line[Pos])) {
      ++Pos;
    } else if (L.HasBlockComments() && P.At(Line, Pos, L.BlockOpen)) {
      CommentFrom(Pos + L.BlockOpen.size());
    } else if (P.At(Line, Pos, L.LineComment)) {
      Pos = End;
      Add(TTokenKind::Comment, 0);
    } else if (const int D = P.String(Line, Pos)) {
      Pos = PlainStringEnd(L.Strings[D - 1], Line, Pos + 1, End);
      Add(TTokenKind::String, D);
    } else if (const int N = P.Operator(Line, Pos, Len)) {
      Pos += Len;
      Add(TTokenKind::Operator, N);
    } else {
      for (++Pos; Pos < End && !IsBlank(Line[Pos]) && !P.Starts(Line, Pos); ++Pos) {
      }
      Add(TTokenKind::Word, 0);
    }
  }
  return !Closed;
}

// Random syntax lists whose markers and operators share first bytes.
std::string RandomSyntax(std::mt19937& Rng) {
  const std::string Bytes = "/*=+<>\"'ab#";
  auto Item = [&](int MaxLen) {
    const int Len = static_cast<int>(Rng() % static_cast<unsigned>(MaxLen + 1));
    std::string S = std::to_string(Len);
    for (int I = 0; I < Len; ++I)
      S += Bytes[Rng() % Bytes.size()];
    return S;
  };
  std::string S;
  for (int I = 0; I < 4; ++I)
    S += Item(1);
  for (int I = 0; I < 3; ++I)
    S += Item(2);
  for (int I = static_cast<int>(Rng() % 12); I > 0; --I)
    S += Item(3);
  return S;
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

  // Splitting by a table of token-starting bytes finds exactly the tokens
  // that trying every token at every byte finds.
  void AgreesWithThePlainWayOnRandomText() {
    std::mt19937 Rng(20261208);
    const std::string Bytes = "/*=+<>\\\"'ab# \t\r\n\xc3\xa4";
    for (int Round = 0; Round < 400; ++Round) {
      const std::string Syntax = RandomSyntax(Rng);
      const TPlainTokenizer Plain{ParseSyntax(Syntax)};
      std::string Text;
      for (int I = static_cast<int>(Rng() % 80); I > 0; --I)
        Text += Bytes[Rng() % Bytes.size()];
      std::vector<TSeen> Expected;
      bool InComment = false;
      for (std::size_t Pos = 0; Pos < Text.size();) {
        const std::size_t Len = LineLength(Text, Pos);
        InComment = PlainLine(Plain, Text.substr(Pos, Len), InComment, Expected);
        Pos += Len;
      }
      QVERIFY2(Tokens(Syntax, Text) == Expected, (Syntax + " on " + Text).c_str());
    }
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
