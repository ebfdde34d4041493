#include "jscheck/syntaxcheck.h"

#include <gtest/gtest.h>

#include <QtGlobal>

namespace {

struct TCase {
  const char* Name;
  std::string_view Text;
  TTextEncoding Encoding;
  int Line, Column;  // 0: valid
  size_t Offset;
};

constexpr auto Utf8 = TTextEncoding::Utf8, Latin1 = TTextEncoding::Latin1;
const TCase Cases[] = {
    {"valid", "var a = 1;\r\nfunction f(x) { return x * 2; }\r\n", Utf8, 0, 0, 0},
    {"missing brace", "if (a) {\r\n  b();\r\n", Utf8, 3, 1, 18},
    {"stray quote", "var s = 'abc;\r\nx();", Utf8, 1, 9, 8},
    {"unterminated comment", "a();\r\n/* open\r\nb();", Utf8, 2, 1, 6},
    {"regular expression and template", "var r = /a+b\\/[}]/g;\r\nvar t = `x ${r} }\r\n`;", Utf8, 0,
     0, 0},
    {"error on the last line", "a();\r\nb();\r\nc d", Utf8, 3, 3, 14},
    {"lone CR", "a();\rb c", Utf8, 2, 3, 7},
    {"U+2028 ends no line", "x;\u2028 c d", Utf8, 1, 7, 8},
    {"UTF-8 columns", "var \xc3\xa9t\xc3\xa9 = 1;\r\n b c", Utf8, 2, 4, 19},
    {"Latin-1", "var \xe9t\xe9 = 1; b c", Latin1, 1, 16, 15},
    {"closes the function", "} while (true) {} function g() {", Utf8, 1, 1, 0},
};

TEST(SyntaxCheck, PlacesErrorsOnTheEditorsLines) {
  for (const TCase& C : Cases) {
    const TSyntaxCheck Check = CheckConstructorSyntax(C.Text, C.Encoding);
    EXPECT_TRUE(Check.Finished) << C.Name;
    ASSERT_EQ(Check.Error.has_value(), C.Line != 0) << C.Name;
    if (!Check.Error) continue;
    EXPECT_EQ(Check.Error->Line, C.Line) << C.Name;
    EXPECT_EQ(Check.Error->Column, C.Column) << C.Name;
    EXPECT_EQ(Check.Error->Offset, C.Offset) << C.Name;
    EXPECT_FALSE(Check.Error->Message.empty()) << C.Name;
  }
}

int EngineWarnings = 0;

// A variable used before its declaration is valid, and nothing is printed.
TEST(SyntaxCheck, SaysNothingOfValidCode) {
  qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString&) { ++EngineWarnings; });
  const TSyntaxCheck Check = CheckConstructorSyntax("a = b + 1; var b = 2; var a;");
  qInstallMessageHandler(nullptr);
  EXPECT_FALSE(Check.Error);
  EXPECT_EQ(EngineWarnings, 0);
}

// Run, either text would loop until the limit ended the check unfinished.
TEST(SyntaxCheck, RunsNoneOfTheText) {
  const auto Limit = std::chrono::seconds(20);
  const TSyntaxCheck Valid = CheckConstructorSyntax("while (true) {}", Utf8, Limit);
  EXPECT_TRUE(Valid.Finished);
  EXPECT_FALSE(Valid.Error);
  const TSyntaxCheck Broken = CheckConstructorSyntax("} while (true) {} {", Utf8, Limit);
  EXPECT_TRUE(Broken.Finished);
  EXPECT_TRUE(Broken.Error);
}

TEST(SyntaxCheck, TimeLimitLeavesTheCheckUnfinished) {
  std::string Text;
  for (int I = 0; I < 20000; ++I)
    Text += "var a = { b: [1, 2], c: function () { return this.b; } };\r\n";
  Text += "x y";
  const TSyntaxCheck Check = CheckConstructorSyntax(Text, Utf8, std::chrono::milliseconds(1));
  EXPECT_FALSE(Check.Finished);
  EXPECT_FALSE(Check.Error);
}

}  // namespace
