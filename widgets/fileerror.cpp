#include "fileerror.h"

namespace {

std::string MessageFor(EFileError::TKind Kind, const std::string& FileName) {
  switch (Kind) {
    case EFileError::TKind::Open:
      return "Cannot open file " + FileName;
    case EFileError::TKind::Create:
      return "Cannot create file " + FileName;
    case EFileError::TKind::Write:
      break;
  }
  return "Stream write error";
}

}  // namespace

EFileError::EFileError(TKind Kind, const std::string& FileName)
    : std::runtime_error(MessageFor(Kind, FileName)), FKind(Kind), FFileName(FileName) {}
