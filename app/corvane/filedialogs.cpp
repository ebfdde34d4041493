#include "app/corvane/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/corvane/mainform.h"

namespace {

const char* const InsertFilter =
    "HTML Documents (*.HTM,*.HTML)|*.HTM;*.HTML|JavaScript Source Files (*.JS)|*.JS|"
    "All Files (*.*)|*.*";

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

std::optional<QString> TFileDialogs::Open(QWidget* Owner, const QString& Folder) {
  return Chosen(
      QFileDialog::getOpenFileName(Owner, "Open", Folder, QtFilter(TMainForm::FileFilter)));
}

std::optional<QString> TFileDialogs::Save(QWidget* Owner, const QString& Folder) {
  return Chosen(QFileDialog::getSaveFileName(Owner, "Save As", Folder,
                                             QtFilter(TMainForm::FileFilter), nullptr,
                                             QFileDialog::DontConfirmOverwrite));
}

std::optional<QString> TFileDialogs::Insert(QWidget* Owner, const QString& Folder) {
  return Chosen(QFileDialog::getOpenFileName(Owner, "Insert File", Folder, QtFilter(InsertFilter)));
}
