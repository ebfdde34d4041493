// The editing and search commands of the Source View: clipboard and undo,
// tab substitution after a paste, find, brace matching and the bookmark.
#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

#include "app/corvane/mainform.h"
#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editor/syntaxlist.h"

namespace {

constexpr std::pair<const char*, const char*> Braces[] = {{"(", ")"}, {"[", "]"}, {"{", "}"}};

// The number of an operator in the editor's syntax, 0 when it has none.
int OperatorNumber(const TLEdit& Editor, const std::string& Text) {
  const TSyntaxList List = ParseSyntax(Editor.Syntax().toStdString());
  for (size_t I = 0; I < List.Operators.size(); ++I)
    if (List.Operators[I] == Text) return static_cast<int>(I) + 1;
  return 0;
}

}  // namespace

void TMainForm::BuildEditCommands() {
  LEdit1->OnFindBrace = [](TLEdit* Sender, int& Type, int& Value, QString& Word, int& Brace) {
    LEdit1FindBrace(*Sender, Type, Value, Word, Brace);
  };
  BuildEditorMenu();
  LEdit1->Scintilla()->installEventFilter(this);
}

// The editor claims keys such as Ctrl+V for itself; the Edit and Search
// menus' shortcuts run their menu commands instead while those are shown.
bool TMainForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::ShortcutOverride) {
    const QKeySequence Keys(static_cast<QKeyEvent*>(Event)->keyCombination());
    for (const QAction* Entry : FMenuShortcuts) {
      if (Entry->isVisible() && Entry->isEnabled() && Entry->shortcut() == Keys) {
        Event->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(Watched, Event);
}

void TMainForm::BuildEditorMenu() {
  pmEdit = new QMenu(this);
  pmEdit->setObjectName("pmEdit");
  connect(pmEdit->addAction(tr("Cu&t")), &QAction::triggered, this, &TMainForm::SpeedButton6Click);
  connect(pmEdit->addAction(tr("&Copy")), &QAction::triggered, this,
          [this] { LEdit1->CopyToClipboard(); });
  connect(pmEdit->addAction(tr("&Paste")), &QAction::triggered, this, &TMainForm::EditPaste);
  connect(pmEdit->addAction(tr("Se&lect All")), &QAction::triggered, this,
          [this] { LEdit1->SelectAll(); });
  connect(pmEdit->addAction(tr("&Find...")), &QAction::triggered, this, &TMainForm::Find1Click);
  QWidget* Surface = LEdit1->Scintilla();
  Surface->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Surface, &QWidget::customContextMenuRequested, this,
          [this, Surface](const QPoint& At) { pmEdit->popup(Surface->mapToGlobal(At)); });
}

void TMainForm::EditPaste() {
  LEdit1->PasteFromClipboard();
  SubstituteTabs();
}

// Every tab in the document becomes the configured tab text, unless tabs are
// to be kept: replaced in place as one undo step, so that the caret and the
// scroll position stay with the text around them.
void TMainForm::SubstituteTabs() {
  if (EditorSettings->UseTabCharacter()) return;
  LEdit1->ReplaceChar('\t', EditorSettings->TabSubstitute());
}

void TMainForm::Find1Click() {
  LEdit1->SetSearchText(QString());
  LEdit1->FindDialog();
  LEdit1->SetSearchText(QString());
  if (LEdit1->SearchMode() != 0) LEdit1->SetSearchMode(0);
}

void TMainForm::SetBookmark1Click() {
  LEdit1->SetBookmark();
  LEdit1->SetBookmarkStyle(baBackColor, 0x00FFFF);
  LEdit1->SetBookmarkStyle(baForeColor, 0x800000);
  LEdit1->SetBookmarkStyle(baShape, 3);
}

// Brackets pair by what they are: ( with ), [ with ], { with }. Pairing by
// odd and even operator numbers would match + with - and ( with =, since the
// editor numbers operators in the order of its syntax.
void TMainForm::LEdit1FindBrace(const TLEdit& Editor, int& WordType, int& WordValue,
                                QString& WordStr, int& BraceType) {
  BraceType = kBraceNone;
  if (WordType != kWordTypeOperator) return;
  const std::string Text = WordStr.toStdString();
  for (const auto& [Open, Close] : Braces) {
    const bool Opening = Text == Open;
    if (!Opening && Text != Close) continue;
    const int Partner = OperatorNumber(Editor, Opening ? Close : Open);
    if (Partner == 0) return;
    BraceType = Opening ? kBraceOpening : kBraceClosing;
    WordValue = Partner << 16;
    WordType = 0;
    WordStr.clear();
    return;
  }
}
