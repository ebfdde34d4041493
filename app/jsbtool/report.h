// check's output in the format asked for: lines an editor's error list or a
// CI annotation takes (text, gcc), one JSON document for the whole run, or
// the documents code-scanning services and CI reports read (SARIF 2.1.0,
// JUnit XML, Checkstyle XML).
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "problems.h"

enum class TFormat { Text, Gcc, Json, Sarif, Junit, Checkstyle };

// The format of a --format value; none for an unknown one.
std::optional<TFormat> FormatNamed(std::string_view Name);
// The values FormatNamed takes, for messages: "text, gcc, json, ...".
extern const char* const FormatNames;

// A problem as the text and gcc formats and the XML reports' texts give it:
// FILE:LINE:COL: SEVERITY: text [kind], leaving out what is not known.
std::string ProblemLine(const std::string& File, const TProblem& P);

class TReport {
 public:
  // Quiet leaves out the text format's summary lines; Strict fails a JUnit
  // case for any problem, as check fails its file.
  static std::unique_ptr<TReport> Make(TFormat Format, bool Quiet, bool Strict, std::ostream& Out);
  virtual ~TReport() = default;
  // Each file as it is checked.
  virtual void File(const TFileCheck& Check) = 0;
  // After the last file.
  virtual void Finish() {}
};
