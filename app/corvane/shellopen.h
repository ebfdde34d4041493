// Opens a document or a web address with whatever the desktop associates
// with it, the way the shell's "open" verb does.
#pragma once

#include <QString>
#include <QUrl>

// What a target names: an address with a scheme is itself; anything else (no
// scheme, or a one-letter one that is a drive letter) is a local file,
// relative ones taken from the current folder.
QUrl ShellTarget(const QString& Target);
// Opens an address as it stands; true when the launch failed, and without
// launching anything for an empty or invalid address. Shows no message.
bool ShellOpenUrl(const QUrl& Url);
