#include "app/corvane/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/corvane/mainform.h"
#include "app/corvane/recentfiles.h"

namespace {

// The names of the kinds of file are the user's; their patterns are not.
const char* const InsertFilter = QT_TRANSLATE_NOOP(
    "TMainForm",
    "HTML Documents (*.HTM,*.HTML)|*.HTM;*.HTML|JavaScript Source Files (*.JS)|*.JS|"
    "All Files (*.*)|*.*");

std::optional<QString> Chosen(const QString& Path) {
  if (Path.isEmpty()) return std::nullopt;
  QDir::setCurrent(QFileInfo(Path).absolutePath());
  return Path;
}

}  // namespace

QString TFileDialogs::QtFilter(const QString& Filter) {
  const QStringList Parts = Filter.split('|');
  QStringList Filters;
  for (int I = 0; I + 1 < Parts.size(); I += 2) {
    QString Patterns = Parts[I + 1];
    Patterns.replace(';', ' ').replace("*.*", "*");
    if (Patterns != Patterns.toLower()) Patterns += ' ' + Patterns.toLower();
    QString Name = Parts[I];
    const int Open = Name.lastIndexOf('(');
    if (Open >= 0) Name = Name.left(Open).trimmed();
    Filters << QString("%1 (%2)").arg(Name, Patterns);
  }
  return Filters.join(";;");
}

QStringList TFileDialogs::WithRecentFolders(QStringList History, const QStringList& Recent) {
  for (auto Folder = Recent.rbegin(); Folder != Recent.rend(); ++Folder) {
    History.removeAll(*Folder);
    History << *Folder;
  }
  return History;
}

namespace {

// As the static functions of QFileDialog ask, with the folders of recent
// files in the history of Qt's own dialog; the platform's dialogs keep a
// history of their own and ignore it.
std::optional<QString> Ask(QWidget* Owner, const QString& Caption, const QString& Folder,
                           QFileDialog::AcceptMode Mode, QFileDialog::Options Options) {
  QFileDialog Dialog(Owner, Caption, Folder,
                     TFileDialogs::QtFilter(TMainForm::tr(TMainForm::FileFilter)));
  Dialog.setOptions(Options);
  Dialog.setAcceptMode(Mode);
  Dialog.setFileMode(Mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  Dialog.setHistory(TFileDialogs::WithRecentFolders(Dialog.history(), RecentFolders()));
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  return Chosen(Dialog.selectedFiles().value(0));
}

}  // namespace

std::optional<QString> TFileDialogs::Open(QWidget* Owner, const QString& Folder) {
  return Ask(Owner, TMainForm::tr("Open"), Folder, QFileDialog::AcceptOpen, {});
}

std::optional<QString> TFileDialogs::Save(QWidget* Owner, const QString& Folder) {
  return Ask(Owner, TMainForm::tr("Save As"), Folder, QFileDialog::AcceptSave,
             QFileDialog::DontConfirmOverwrite);
}

std::optional<QString> TFileDialogs::Insert(QWidget* Owner, const QString& Folder) {
  return Chosen(QFileDialog::getOpenFileName(Owner, TMainForm::tr("Insert File"), Folder,
                                             QtFilter(TMainForm::tr(InsertFilter))));
}
