#include "app/corvane/shellopen.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>

namespace {

// A scheme of two letters or more; "C:" is a drive, not a scheme.
bool HasScheme(const QString& Target) {
  static const QRegularExpression Scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
  return Scheme.match(Target).hasMatch();
}

}  // namespace

QUrl ShellTarget(const QString& Target) {
  if (Target.isEmpty()) return {};
  if (HasScheme(Target)) return QUrl(Target);
  // Relative paths, and on Windows those that start at the root of the
  // current drive, are resolved as the shell would: from the current folder.
  return QUrl::fromLocalFile(QDir::current().absoluteFilePath(Target));
}

bool ShellOpenUrl(const QUrl& Url) {
  if (Url.isEmpty() || !Url.isValid()) return true;
  return !QDesktopServices::openUrl(Url);
}
