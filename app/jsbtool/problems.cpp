#include "problems.h"

#include <algorithm>

namespace {

// The kind of a finding as one word: "tag in value" becomes "tag-in-value".
std::string KindWord(std::string Kind) {
  std::replace(Kind.begin(), Kind.end(), ' ', '-');
  return Kind;
}

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

TFileCheck ProblemsOf(const std::string& Name, const TReadFile& First,
                      const std::vector<TDifference>& Lost, const std::vector<TFinding>& Findings) {
  TFileCheck Check{
      Name, First.Result.Valid, {}, Lost.size(), Findings.size() + First.Notices.size()};
  const std::vector<int>& NoticeLines = First.Result.Places.Notices;
  for (size_t I = 0; I < First.Notices.size(); ++I)
    Check.Problems.push_back({I < NoticeLines.size() ? NoticeLines[I] : 0, 0, TSeverity::Note,
                              "notice", OneLine(First.Notices[I])});
  if (!First.Result.Valid)
    Check.Problems.push_back(
        {1, 1, TSeverity::Error, "not-jsb", "not a JSB file: nothing in it would be kept"});
  for (const TFinding& F : Findings)
    Check.Problems.push_back({F.Line, F.Column, TSeverity::Warning, KindWord(F.Kind), F.Text});
  for (const TDifference& D : Lost)
    Check.Problems.push_back({D.Line, 0, TSeverity::Error, "lost-value",
                              D.Item + ": " + D.Field + ": " + D.Before + " -> " + D.After});
  std::stable_sort(Check.Problems.begin(), Check.Problems.end(),
                   [](const TProblem& A, const TProblem& B) { return A.Line < B.Line; });
  return Check;
}

bool Fails(const TFileCheck& Check, bool Strict) {
  return std::any_of(Check.Problems.begin(), Check.Problems.end(), [Strict](const TProblem& P) {
    return Strict || P.Severity == TSeverity::Error;
  });
}
