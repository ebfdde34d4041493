#include "scriptfindings.h"

#include <algorithm>

#include "jscheck/syntaxcheck.h"

namespace {

// The line of Text that begins after the given number of line feeds.
std::string_view LineOf(std::string_view Text, int Line) {
  size_t Start = 0;
  for (int L = 1; L < Line && Start != std::string_view::npos; ++L) {
    Start = Text.find('\n', Start);
    if (Start != std::string_view::npos) ++Start;
  }
  if (Start == std::string_view::npos) return {};
  const size_t End = Text.find_first_of("\r\n", Start);
  return Text.substr(Start, End == std::string_view::npos ? End : End - Start);
}

// The error's byte column in the file. The constructor's first line may
// begin after its tag on the file's line; its other lines are the file's.
int FileColumn(const TJSBReadResult& Read, std::string_view Text, const TScriptError& Error) {
  const std::string_view Script = Read.Constructor;
  const size_t Break =
      Error.Offset == 0 ? std::string_view::npos : Script.find_last_of("\r\n", Error.Offset - 1);
  const size_t LineStart = Break == std::string_view::npos ? 0 : Break + 1;
  size_t Column = Error.Offset - LineStart + 1;
  if (Error.Line == 1) {
    const std::string_view First = Script.substr(0, Script.find_first_of("\r\n"));
    const std::string_view File = LineOf(Text, Read.Places.Constructor);
    if (!File.ends_with(First)) return 0;
    Column += File.size() - First.size();
  }
  return static_cast<int>(Column);
}

}  // namespace

void AddScriptFinding(std::vector<TFinding>& Findings, const TJSBReadResult& Read,
                      std::string_view Text) {
  if (!Read.Places.Constructor) return;
  // The reader hands the constructor on in UTF-8, whatever the file's encoding.
  const TSyntaxCheck Check = CheckConstructorSyntax(Read.Constructor);
  if (!Check.Error) return;
  const TScriptError& Error = *Check.Error;
  TFinding Finding{Read.Places.Constructor + Error.Line - 1, "javascript",
                   "the constructor's JavaScript has a syntax error: " + Error.Message};
  if (Error.Column && Read.Encoding == TTextEncoding::Utf8 && Read.Places.Listeners.empty())
    Finding.Column = FileColumn(Read, Text, Error);
  Findings.push_back(std::move(Finding));
}
