// Every command of the menus and tool buttons, wired in one place from one
// table: the handler and the designed names of the menu entries and tool
// buttons that run it. No tool button shows the caption and hint of a menu
// entry, so each keeps its own designed caption and hint.
#include <QAction>
#include <QToolButton>
#include <functional>
#include <initializer_list>

#include "app/corvane/mainform.h"
#include "editor/ledit.h"

namespace {

struct TCommand {
  std::function<void(TMainForm&)> Run;
  std::initializer_list<const char*> Entries;  // menu entries
  std::initializer_list<const char*> Buttons;  // tool buttons
};

// Runs a handler whose answer the command does not need.
template <class R>
std::function<void(TMainForm&)> Handler(R (TMainForm::*Member)()) {
  return [Member](TMainForm& Form) { (Form.*Member)(); };
}

std::function<void(TMainForm&)> Add(TDescriptorKind Kind) {
  return [Kind](TMainForm& Form) { Form.AddDescriptorCommand(Kind); };
}

template <class R>
std::function<void(TMainForm&)> Edit(R (TLEdit::*Member)()) {
  return [Member](TMainForm& Form) { (Form.LEdit1->*Member)(); };
}

std::function<void(TMainForm&)> Tag(const char* Name) {
  return [Name](TMainForm& Form) { Form.InsertTag(Name); };
}

const std::initializer_list<TCommand>& Commands() {
  static const std::initializer_list<TCommand> Table = {
      // File
      {Handler(&TMainForm::miNewClick), {"Component1"}, {"SpeedButton2", "SpeedButton3"}},
      {Handler(&TMainForm::Open2Click), {"Open2"}, {"sbFileOpen", "SpeedButton4"}},
      {Handler(&TMainForm::FileSave), {"miSave"}, {"sbFileSave", "SpeedButton5"}},
      {Handler(&TMainForm::FileSaveAs), {"miSaveAs"}, {}},
      {Handler(&TMainForm::CloseFile), {"Close1"}, {}},
      {Handler(&TMainForm::FileExit), {"MenuItem17"}, {}},
      // The component tree
      {Add(dkProperty), {"miProperty", "pmiProperty"}, {"sbNewProperty"}},
      {Add(dkEvent), {"miEvent", "pmiEvent"}, {"sbNewEvent"}},
      {Add(dkMethod), {"miMethod", "pmiMethod"}, {"sbNewMethod"}},
      {Add(dkParameter), {"miParameter", "pmiParameter"}, {"sbNewParameter"}},
      {Add(dkInterface), {"miInterface", "pmiInterface"}, {"sbNewInterface"}},
      {Handler(&TMainForm::pmiDeleteClick), {"miDelete", "pmiDelete"}, {}},
      {Handler(&TMainForm::pmiRenameClick), {"Rename1", "pmiRename"}, {}},
      {Handler(&TMainForm::SortBeanTree), {"Refresh1"}, {}},
      // Editing and search
      {Edit(&TLEdit::Undo), {"miUndo"}, {}},
      {Handler(&TMainForm::SpeedButton6Click), {"Cut2"}, {"SpeedButton6"}},
      {Edit(&TLEdit::CopyToClipboard), {"Copy2"}, {"SpeedButton7"}},
      {Handler(&TMainForm::EditPaste), {"Paste2"}, {}},
      {Edit(&TLEdit::PasteFromClipboard), {}, {"SpeedButton8"}},
      {Edit(&TLEdit::SelectAll), {"miSelectAll"}, {}},
      {Handler(&TMainForm::Find1Click), {"Find1"}, {}},
      {Edit(&TLEdit::FindDialog), {}, {"SpeedButton9"}},
      {Edit(&TLEdit::FindNext), {"FindNext1"}, {}},
      {Edit(&TLEdit::ReplaceDialog), {"Replace1"}, {}},
      {Edit(&TLEdit::FindMatchingBrace), {"FindMatchingBrace1"}, {}},
      {Handler(&TMainForm::SetBookmark1Click), {"SetBookmark1"}, {}},
      {Edit(&TLEdit::GotoBookmark), {"FindBookmark1"}, {}},
      {Edit(&TLEdit::GotoLineDialog), {"GoToLineNumber1"}, {}},
      {Handler(&TMainForm::Options1Click), {"Options1"}, {}},
      // View
      {Handler(&TMainForm::miLargeButtonsClick), {"miLargeButtons"}, {}},
      {Handler(&TMainForm::miSmallButtonsClick), {"miSmallButtons"}, {}},
      {Handler(&TMainForm::StatusBar1Click), {"StatusBar1"}, {}},
      // Insert
      {Tag("Heading 1"), {"miHeading1"}, {}},
      {Tag("Heading 2"), {"miHeading2"}, {}},
      {Tag("Heading 3"), {"miHeading3"}, {}},
      {Tag("Heading 4"), {"miHeading4"}, {}},
      {Tag("Heading 5"), {"miHeading5"}, {}},
      {Tag("Heading 6"), {"miHeading6"}, {}},
      {Tag("Bulleted List"), {"miBulletedList"}, {}},
      {Tag("Numbered List"), {"miNumberedList"}, {}},
      {Tag("Directory"), {"miDirectoryList"}, {}},
      {Tag("Menu"), {"miMenuList"}, {}},
      {Tag("Paragraph"), {"miNormalParagraph"}, {}},
      {Tag("Preformatted"), {"miFormattedParagraph"}, {}},
      {Tag("Address"), {"miAddressParagraph"}, {}},
      {Tag("Horizontal"), {"miHorizontalLine"}, {}},
      {Tag("Line Break"), {"miLineBreak"}, {}},
      {Handler(&TMainForm::InsertFile1Click), {"miInsertFile"}, {}},
      // Help
      {Handler(&TMainForm::HelpContents), {"HelpContents1"}, {}},
      {Handler(&TMainForm::WebResources1Click), {"WebResources1"}, {}},
      {Handler(&TMainForm::HelpAbout), {"About1"}, {}},
  };
  return Table;
}

}  // namespace

// The designed names are looked up once, here, while the window is built;
// after that every control is reached through the pointers kept.
void TMainForm::WireCommands() {
  for (QAction* A : findChildren<QAction*>())
    if (!A->objectName().isEmpty()) FActions.emplace(A->objectName(), A);
  for (QToolButton* B : findChildren<QToolButton*>())
    if (!B->objectName().isEmpty()) FButtons.emplace(B->objectName(), B);
  for (const TCommand& Command : Commands()) {
    const auto Run = [this, &Command] { Command.Run(*this); };
    for (const char* Name : Command.Entries)
      connect(FActions.at(Name), &QAction::triggered, this, Run);
    for (const char* Name : Command.Buttons)
      connect(FButtons.at(Name), &QToolButton::clicked, this, Run);
  }
  for (const char* Name :
       {"sbNewProperty", "sbNewEvent", "sbNewMethod", "sbNewParameter", "sbNewInterface"})
    FDescriptorButtons << FButtons.at(Name);
  for (const char* Name :
       {"miProperty", "miEvent", "miMethod", "miParameter", "miInterface", "pmiProperty",
        "pmiEvent", "pmiMethod", "pmiParameter", "pmiInterface", "pmiDelete", "pmiRename"})
    FDescriptorEntries << FActions.at(Name);
  for (const char* Name : {"miUndo", "Cut2", "Copy2", "Paste2", "FindNext1", "FindMatchingBrace1"})
    FMenuShortcuts << FActions.at(Name);
}
