// check's output in the format asked for: lines an editor's error list or a
// CI annotation takes (text, gcc), or one JSON document for the whole run.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "problems.h"

enum class TFormat { Text, Gcc, Json };

// The format of a --format value; none for an unknown one.
std::optional<TFormat> FormatNamed(std::string_view Name);

class TReport {
 public:
  // Quiet leaves out the text format's summary lines.
  static std::unique_ptr<TReport> Make(TFormat Format, bool Quiet, std::ostream& Out);
  virtual ~TReport() = default;
  // Each file as it is checked.
  virtual void File(const TFileCheck& Check) = 0;
  // After the last file.
  virtual void Finish() {}
};
