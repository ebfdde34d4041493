// The file commands: New, Open, Save, Save As, Close, the save prompt, and
// opening dropped files and the file named on the command line.
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QString>
#include <filesystem>

#include "app/corvane/mainform.h"
#include "app/corvane/valuewarnings.h"
#include "app/corvane/windowservices.h"
#include "beans/beanfactory.h"
#include "beans/uitext.h"
#include "beans/undo/documenthistory.h"
#include "editor/ledit.h"
#include "widgets/extpagecontrol.h"
#include "widgets/filedrag.h"
#include "widgets/fileerror.h"
#include "widgets/hetreeview.h"
#include "widgets/messages.h"
#include "widgets/textutils.h"

namespace {

// A path whose last element has no dot gets the program's extension.
QString WithExtension(const QString& Path) {
  return QFileInfo(Path).fileName().contains('.') ? Path : Path + ".jsb";
}

}  // namespace

void TMainForm::ShowNoDocument() {
  History->Clear();
  Factory->ShowNoDocument();
}

bool TMainForm::DocumentChanged() const {
  const TJSBean* Bean = Factory->Bean();
  return (Bean && Bean->Modified()) || LEdit1->IsModified();
}

void TMainForm::MarkSaved(const QString& FileName, const TFileHash& Hash) {
  SetCurrentFile(FileName);
  LEdit1->SetModified(false);
  Factory->Document().SetModified(false);
  FFile->Written(FileName, Hash);
  FFile->UpdateRecoveryCopy();
  FFile->Used(FileName);
}

void TMainForm::LoadFile(const QString& FileName) {
  SetCurrentFile(FileName);
  FFile->Reading(FileName);
  try {
    Factory->LoadFromFile(FileName);
  } catch (const EFileError& Error) {
    FServices->Error(FileNameText(Error.what()));
    ShowNoDocument();
    EnableDescriptorCommands(false);
  }
  Factory->Document().SetModified(false);
  LEdit1->SetModified(false);
  FFile->UpdateRecoveryCopy();
  // A file that held a component; reading it again after another program
  // changed it is no new use.
  if (!CurrentFile.isEmpty() && !FReloading) FFile->Used(FileName);
}

void TMainForm::miNewClick() {
  if (!CloseFile()) return;
  Factory->FreeBean();
  if (!Factory->NewComponent()) return;
  PageControl->SetActivePage(tsComponentView);
  tvBeanTree->setFocus();
  LEdit1->setVisible(true);
  if (QTreeWidgetItem* First = tvBeanTree->topLevelItem(0)) tvBeanTree->setCurrentItem(First);
  SetCurrentFile("untitled");
  Factory->Document().SetModified(true);
}

void TMainForm::Open2Click() {
  EndPendingRename();
  OpenDialogInitialDir = QDir::currentPath();
  const std::optional<QString> Path = FServices->AskOpenFile(OpenDialogInitialDir);
  if (Path && CloseFile()) {
    Factory->FreeBean();
    LEdit1->setVisible(true);
    PageControl->SetActivePage(tsComponentView);
    tvBeanTree->setFocus();
    LoadFile(*Path);
  }
}

bool TMainForm::FileSave() {
  const QScopedValueRollback Saving(FSaving, true);
  EndPendingRename();
  if (CurrentFile.isEmpty()) return true;
  if (CurrentFile == "untitled") return FileSaveAs();
  return FFile->ConfirmOverwriteChanged() && WriteDocument(CurrentFile);
}

// With no document open there is nothing to save: the editor's text is gone.
bool TMainForm::FileSaveAs() {
  const QScopedValueRollback Saving(FSaving, true);
  EndPendingRename();
  if (CurrentFile.isEmpty()) return false;
  SaveDialogInitialDir = QDir::currentPath();
  const std::optional<QString> Chosen = FServices->AskSaveFile(SaveDialogInitialDir);
  if (!Chosen) return false;
  const QString Path = WithExtension(*Chosen);
  std::error_code Unknown;  // taken for no file
  if (std::filesystem::exists(FileNameBytes(Path), Unknown) &&
      FServices->Confirm(tr("OK to overwrite %1").arg(Path)) != mrYes)
    return false;
  return WriteDocument(Path);
}

// Writes the document; a failure is shown and changes nothing else. Values
// that would change on the next read are listed first, and Cancel there
// abandons the save as a cancelled Save As does.
bool TMainForm::WriteDocument(const QString& Path) {
  if (Factory->Bean() && !ConfirmLostValues(Factory->Marks().All(), *FServices)) return false;
  TFileHash Hash;
  try {
    Hash = Factory->SaveToFile(Path);
  } catch (const EFileError& Error) {
    FServices->Error(FileNameText(Error.what()));
    return false;
  }
  MarkSaved(Path, Hash);
  return true;
}

// False when the command that asked is to be abandoned: Cancel, and also a
// Yes whose save was cancelled or failed, since going on would lose the
// changes the user asked to keep.
bool TMainForm::CheckFileSave() {
  const QScopedValueRollback Saving(FSaving, true);
  EndPendingRename();
  if (CurrentFile.isEmpty() || !DocumentChanged()) return true;
  switch (FServices->Confirm(tr("Save changes to %1?").arg(windowTitle()))) {
    case mrYes:
      return FileSave();
    case mrNo:
      return true;
    default:
      return false;
  }
}

bool TMainForm::CloseFile() {
  if (!CheckFileSave()) return false;
  ShowNoDocument();
  EnableDescriptorCommands(false);
  FFile->Closed();
  FFile->UpdateRecoveryCopy();
  return true;
}

bool TMainForm::CloseDocument() {
  return CloseFile();
}

// Every dropped JSB file opens in turn. Unsaved changes are offered for
// saving once, before the first one replaces them; Cancel drops nothing.
void TMainForm::FileDrag1Drop() {
  bool Asked = false;
  for (size_t I = 0; I < FileDrag1->NameWithPath().size(); ++I) {
    if (UpperCaseAscii(FileDrag1->Extension()[I]) != "JSB") continue;
    if (!Asked && !CheckFileSave()) return;
    Asked = true;
    LEdit1->setVisible(true);
    LoadFile(FileNameText(FileDrag1->NameWithPath()[I]));
  }
}
