// What check reports of one file: each problem with its place, severity and
// kind, in line order, and the counts its summary lines give.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "check.h"
#include "findings.h"
#include "readfile.h"

enum class TSeverity { Error, Warning, Note };

// "error", "warning" or "note".
const char* SeverityName(TSeverity Severity);

// Each kind of problem, with its severity and what it means; every problem
// takes its severity from here.
struct TProblemKind {
  const char* Kind;
  TSeverity Severity;
  const char* Help;
};
std::span<const TProblemKind> ProblemKinds();

struct TProblem {
  int Line = 0;    // 1-based; 0 where no line is known
  int Column = 0;  // 1-based; 0 where the reader does not know it
  TSeverity Severity = TSeverity::Error;
  std::string Kind;  // one word: "lost-value", "listener", "tag-in-value", ...
  std::string Text;  // on one line
};

struct TFileCheck {
  std::string Name;   // as given; "<stdin>" for standard input
  bool Valid = true;  // false: not a JSB file at all
  std::vector<TProblem> Problems;
  size_t Lost = 0;   // values that would not survive a save and reopen
  size_t Found = 0;  // findings and notices
};

// The problems of a file read as First, whose saved text loses Lost and in
// which the findings Findings were made.
TFileCheck ProblemsOf(const std::string& Name, const TReadFile& First,
                      const std::vector<TDifference>& Lost, const std::vector<TFinding>& Findings);

// Whether the file fails the check: an error, or with Strict any problem.
bool Fails(const TFileCheck& Check, bool Strict);
