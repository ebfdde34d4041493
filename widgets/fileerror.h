// The one error that the file layer raises. Its message is what the user sees,
// in the user's language where the program installed a catalogue for it.
#pragma once

#include <stdexcept>
#include <string>

class EFileError : public std::runtime_error {
 public:
  enum class TKind { Open, Create, Write, Read };

  // Reason is the system's word on the failure, when there is one; a failed
  // write or read names the file and the reason on a second line.
  EFileError(TKind Kind, const std::string& FileName, const std::string& Reason = {});

  TKind Kind() const { return FKind; }
  const std::string& FileName() const { return FFileName; }

 private:
  TKind FKind;
  std::string FFileName;
};
