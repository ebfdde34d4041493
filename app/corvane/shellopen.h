// Opens a document or a web address with whatever the desktop associates
// with it, the way the shell's "open" verb does.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// What a target names: an address with a scheme is itself; anything else (no
// scheme, or a one-letter one that is a drive letter) is a local file,
// relative ones taken from the current folder.
QUrl ShellTarget(const QString& Target);
// Opens the target; true when the launch failed. Shows no message.
bool ShellOpen(const QString& Target);
// Opens an address as it stands; true when the launch failed.
bool ShellOpenUrl(const QUrl& Url);

// When set, receives what would be launched and answers in place of the
// desktop (true = failed); tests record the launches with it.
inline std::function<bool(const QUrl&)> OnShellOpen;
