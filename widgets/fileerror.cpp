#include "fileerror.h"

namespace {

std::string Detail(const std::string& FileName, const std::string& Reason) {
  return "\n" + FileName + (Reason.empty() ? "" : ": " + Reason);
}

std::string MessageFor(EFileError::TKind Kind, const std::string& FileName,
                       const std::string& Reason) {
  switch (Kind) {
    case EFileError::TKind::Open:
      return "Cannot open file " + FileName;
    case EFileError::TKind::Create:
      return "Cannot create file " + FileName;
    case EFileError::TKind::Read:
      return "Stream read error" + Detail(FileName, Reason);
    case EFileError::TKind::Write:
      break;
  }
  return "Stream write error" + Detail(FileName, Reason);
}

}  // namespace

EFileError::EFileError(TKind Kind, const std::string& FileName, const std::string& Reason)
    : std::runtime_error(MessageFor(Kind, FileName, Reason)), FKind(Kind), FFileName(FileName) {}
