#include "problems.h"

#include <algorithm>

namespace {

// A text on one output line: control characters become visible escapes.
std::string OneLine(const std::string& Text) {
  std::string Out;
  for (char C : Text) {
    if (C == '\r')
      Out += "\\r";
    else if (C == '\n')
      Out += "\\n";
    else if (static_cast<unsigned char>(C) < 0x20)
      Out += ' ';
    else
      Out += C;
  }
  return Out;
}

}  // namespace

std::span<const TProblemKind> ProblemKinds() {
  static const TProblemKind Kinds[] = {
      {"lost-value", TSeverity::Error, "A value that a save and reopen would change or lose."},
      {"not-jsb", TSeverity::Error, "A text without a <JSB> tag: nothing in it would be kept."},
      {"javascript", TSeverity::Error,
       "A syntax error in the constructor's JavaScript: the web page stops at it when it loads "
       "the component."},
      {"listener", TSeverity::Warning,
       "A <JSB_LISTENER> block is removed when the file is read, so a save drops it."},
      {"tag-in-value", TSeverity::Warning,
       "A tag that begins inside another tag's text is read as an item of its own as well."},
      {"tag-in-constructor", TSeverity::Warning,
       "A tag inside the constructor block stays constructor text and is never read."},
      {"no-name", TSeverity::Warning, "A tag without NAME: a save writes the name Untitled."},
      {"notice", TSeverity::Note, "What the editor tells its user when it opens the file."},
  };
  return Kinds;
}

const char* SeverityName(TSeverity Severity) {
  switch (Severity) {
    case TSeverity::Error:
      return "error";
    case TSeverity::Warning:
      return "warning";
    default:
      return "note";
  }
}

// A problem of the kind, with the kind's severity.
TProblem Problem(int Line, int Column, const std::string& Kind, std::string Text) {
  const std::span<const TProblemKind> Kinds = ProblemKinds();
  const auto Known = std::find_if(Kinds.begin(), Kinds.end(),
                                  [&Kind](const TProblemKind& K) { return Kind == K.Kind; });
  return {Line, Column, Known != Kinds.end() ? Known->Severity : TSeverity::Error, Kind,
          std::move(Text)};
}

TFileCheck ProblemsOf(const std::string& Name, const TReadFile& First,
                      const std::vector<TDifference>& Lost, const std::vector<TFinding>& Findings) {
  TFileCheck Check{
      Name, First.Result.Valid, {}, Lost.size(), Findings.size() + First.Notices.size()};
  const std::vector<int>& NoticeLines = First.Result.Places.Notices;
  for (size_t I = 0; I < First.Notices.size(); ++I)
    Check.Problems.push_back(Problem(I < NoticeLines.size() ? NoticeLines[I] : 0, 0, "notice",
                                     OneLine(First.Notices[I])));
  if (!First.Result.Valid)
    Check.Problems.push_back(
        Problem(1, 1, "not-jsb", "not a JSB file: nothing in it would be kept"));
  for (const TFinding& F : Findings)
    Check.Problems.push_back(Problem(F.Line, F.Column, F.Kind, F.Text));
  for (const TDifference& D : Lost)
    Check.Problems.push_back(Problem(D.Line, 0, "lost-value", DifferenceText(D)));
  std::stable_sort(Check.Problems.begin(), Check.Problems.end(),
                   [](const TProblem& A, const TProblem& B) { return A.Line < B.Line; });
  return Check;
}

bool Fails(const TFileCheck& Check, bool Strict) {
  return std::any_of(Check.Problems.begin(), Check.Problems.end(), [Strict](const TProblem& P) {
    return Strict || P.Severity == TSeverity::Error;
  });
}
