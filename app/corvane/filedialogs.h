// The platform's open, save and Insert File dialogs with the program's filters.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

struct TFileDialogs {
  // The chosen path, or none when cancelled. Both start in Folder with the
  // program's filter, and leave the process in the chosen file's folder, as
  // the platform's own dialogs do. Neither asks about overwriting.
  static std::optional<QString> Open(QWidget* Owner, const QString& Folder);
  static std::optional<QString> Save(QWidget* Owner, const QString& Folder);
  // The "Insert File" dialog, with the filter of the files worth inserting.
  static std::optional<QString> Insert(QWidget* Owner, const QString& Folder);
  // "Name (*.a)|*.a|All (*.*)|*.*" in Qt's form; "*.*" means every file.
  // Patterns written in capitals also match their lower-case spelling, as
  // they do on file systems that ignore letter case.
  static QString QtFilter(const QString& Filter);
  // The history the open and save dialogs show: the dialog's own, then the
  // folders of recent files (given the most recent first), which end it.
  static QStringList WithRecentFolders(QStringList History, const QStringList& Recent);
};
