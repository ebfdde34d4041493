// The Insert menu of the Source View: named HTML tag pairs around the
// selection, and the text of a chosen file at the caret.
#include <QDir>

#include "app/corvane/mainform.h"
#include "app/corvane/windowservices.h"
#include "beans/uitext.h"
#include "editor/htmltags.h"
#include "editor/ledit.h"
#include "widgets/fileerror.h"
#include "widgets/textfile.h"

// The selection becomes opening + selection + closing; afterwards the
// selection runs from just after the opening tag on the first line to the
// same column on the last line, which leaves a caret after the opening tag
// for a selection within one line. A name not in the table changes nothing.
void TMainForm::InsertTag(const QString& Name) {
  const THTMLTag* Tag = FindHTMLTag(Name.toStdString());
  if (!Tag) return;
  LEdit1->GetSelection();
  const int StartLine = LEdit1->StartLine;
  const int EndLine = LEdit1->EndLine;
  const QString Opening = QString::fromLatin1(Tag->Opening.data(), Tag->Opening.size());
  const QString Closing = QString::fromLatin1(Tag->Closing.data(), Tag->Closing.size());
  const int Column = LEdit1->StartPos + static_cast<int>(Opening.size());
  LEdit1->ReplaceSel(Opening + LEdit1->GetSelText() + Closing);
  LEdit1->StartLine = StartLine;
  LEdit1->StartPos = Column;
  LEdit1->EndLine = EndLine;
  LEdit1->EndPos = Column;
  LEdit1->SetSelection();
}

// The file is read as a JSB file is: UTF-8 when its bytes are, else Latin-1,
// every line ended by CR LF. A file that cannot be opened inserts nothing
// without a word; one that fails while being read is reported.
void TMainForm::InsertFile1Click() {
  const std::optional<QString> Path = FServices->AskInsertFile(QDir::currentPath());
  if (!Path) return;
  try {
    LEdit1->InsertText(ToQString(LoadTextFile(FileNameBytes(*Path))));
  } catch (const EFileError& Error) {
    if (Error.Kind() != EFileError::TKind::Open) {
      FServices->Error(FileNameText(Error.what()));
      return;
    }
  }
  SubstituteTabs();
}
