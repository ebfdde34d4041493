// The one error that the file layer raises. Its message is what the user sees.
#pragma once

#include <stdexcept>
#include <string>

class EFileError : public std::runtime_error {
 public:
  enum class TKind { Open, Create, Write };

  EFileError(TKind Kind, const std::string& FileName);

  TKind Kind() const { return FKind; }
  const std::string& FileName() const { return FFileName; }

 private:
  TKind FKind;
  std::string FFileName;
};
