#include "fileerror.h"

#include <QCoreApplication>

#include "messages.h"

namespace {

std::string Detail(const std::string& FileName, const std::string& Reason) {
  return "\n" + FileName + (Reason.empty() ? "" : ": " + Reason);
}

std::string MessageFor(EFileError::TKind Kind, const std::string& FileName,
                       const std::string& Reason) {
  switch (Kind) {
    case EFileError::TKind::Open:
      return WithArguments(QCoreApplication::translate("EFileError", "Cannot open file %1"),
                           {FileName});
    case EFileError::TKind::Create:
      return WithArguments(QCoreApplication::translate("EFileError", "Cannot create file %1"),
                           {FileName});
    case EFileError::TKind::Read:
      return QCoreApplication::translate("EFileError", "Stream read error").toStdString() +
             Detail(FileName, Reason);
    case EFileError::TKind::Write:
      break;
  }
  return QCoreApplication::translate("EFileError", "Stream write error").toStdString() +
         Detail(FileName, Reason);
}

}  // namespace

EFileError::EFileError(TKind Kind, const std::string& FileName, const std::string& Reason)
    : std::runtime_error(MessageFor(Kind, FileName, Reason)), FKind(Kind), FFileName(FileName) {}
