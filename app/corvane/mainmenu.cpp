// The main window's menu bar, as designed. Items carry their view mark in the
// "tag" property; the page switch shows and hides them by it.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/corvane/mainform.h"

namespace {

QAction* Item(QMenu* Menu, const char* Name, const QString& Caption, int Tag = vmNone,
              const QKeySequence& Shortcut = {}, const QString& Hint = {}) {
  QAction* A = Menu->addAction(Caption);
  A->setObjectName(Name);
  A->setProperty("tag", Tag);
  A->setShortcut(Shortcut);
  A->setStatusTip(Hint);
  A->setToolTip(Hint.isEmpty() ? QString(Caption).remove('&') : Hint);
  return A;
}

QAction* Separator(QMenu* Menu, const char* Name = "", int Tag = vmNone) {
  QAction* A = Menu->addSeparator();
  A->setObjectName(Name);
  A->setProperty("tag", Tag);
  return A;
}

QMenu* SubMenu(QWidget* Parent, const char* Name, const QString& Caption, int Tag = vmNone) {
  auto* Menu = new QMenu(Caption, Parent);
  Menu->setObjectName(Name);
  Menu->menuAction()->setObjectName(Name);
  Menu->menuAction()->setProperty("tag", Tag);
  return Menu;
}

// The desktop's usual key for a File command first, then the platform's other
// standard keys for it.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey Key, QKeyCombination Usual) {
  QList<QKeySequence> Keys = QKeySequence::keyBindings(Key);
  Keys.removeAll(QKeySequence(Usual));
  Keys.prepend(QKeySequence(Usual));
  return Keys;
}

}  // namespace

void TMainForm::BuildMenus() {
  QMenuBar* Bar = menuBar();
  Bar->setObjectName("MainMenu");
  Bar->addMenu(BuildFileMenu());
  Bar->addMenu(BuildEditMenu());
  Bar->addMenu(BuildViewMenu());
  Bar->addMenu(BuildSearchMenu());
  QMenu* Insert = BuildInsertMenu();
  Bar->addMenu(Insert);
  QMenu* Tools = SubMenu(this, "Tools1", "&Tools");
  Item(Tools, "JARPackager1", "&JAR Packager")->setEnabled(false);
  Bar->addMenu(Tools);
  Bar->addMenu(BuildHelpMenu());
  Insert->menuAction()->setVisible(false);
  Tools->menuAction()->setVisible(false);
}

QMenu* TMainForm::BuildFileMenu() {
  QMenu* File = SubMenu(this, "miFile", "&File");
  QMenu* New = SubMenu(File, "miNew", "&New");
  Item(New, "Component1", "&Component")
      ->setShortcuts(StandardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N));
  Separator(New, "N4", vmComponentView);
  Item(New, "miProperty", "&Property", vmComponentView);
  Item(New, "miEvent", "&Event", vmComponentView);
  Item(New, "miMethod", "&Method", vmComponentView);
  Item(New, "miParameter", "Pa&rameter", vmComponentView);
  Item(New, "miInterface", "&Interface", vmComponentView);
  File->addMenu(New);
  Item(File, "Open2", "&Open...")
      ->setShortcuts(StandardKeys(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
  Item(File, "miSave", "&Save...")
      ->setShortcuts(StandardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
  Item(File, "miSaveAs", "Save &As...")
      ->setShortcuts(StandardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  Separator(File);
  Item(File, "Close1", "&Close")
      ->setShortcuts(StandardKeys(QKeySequence::Close, Qt::CTRL | Qt::Key_W));
  Item(File, "miPrint", "&Print...")->setVisible(false);
  Item(File, "miPrinterSetup", "P&rinter Setup")->setVisible(false);
  Separator(File);
  QAction* Exit = Item(File, "MenuItem17", "&Exit", vmNone, {}, "Exit this application");
  Exit->setShortcuts(StandardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
  return File;
}

QMenu* TMainForm::BuildEditMenu() {
  QMenu* Edit = SubMenu(this, "miEdit", "&Edit");
  Item(Edit, "miUndo", "&Undo", vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_Z),
       "Undo the last action");
  Separator(Edit, "N1", vmSourceView);
  Item(Edit, "Cut2", "Cu&t", vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_X),
       "Delete selected item");
  Item(Edit, "Copy2", "&Copy", vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_C),
       "Copy selected item to clipboard");
  Item(Edit, "Paste2", "&Paste", vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_V),
       "Paste contents of clipboard");
  Separator(Edit, "N2", vmSourceView);
  Item(Edit, "miSelectAll", "Se&lect All", vmSourceView);
  Separator(Edit, "N3", vmSourceView);
  Item(Edit, "miDelete", "&Delete", vmComponentView, QKeySequence(Qt::CTRL | Qt::Key_Delete));
  Item(Edit, "Rename1", "&Rename", vmComponentView, QKeySequence(Qt::Key_F2));
  Separator(Edit, "N5", vmComponentView);
  Item(Edit, "Options1", "P&references...");
  for (QAction* A : Edit->actions())
    if (A->property("tag").toInt() == vmSourceView) A->setVisible(false);
  return Edit;
}

QMenu* TMainForm::BuildViewMenu() {
  QMenu* View = SubMenu(this, "MenuItem18", "&View");
  Item(View, "ComponentView2", "Component View")->setVisible(false);
  Item(View, "ConstructorView1", "Constructor View")->setVisible(false);
  QMenu* Toolbar = SubMenu(View, "Toolbar2", "&Toolbar");
  QAction* Large = Item(Toolbar, "miLargeButtons", "&Large buttons");
  Large->setCheckable(true);
  Large->setChecked(true);
  QAction* Small = Item(Toolbar, "miSmallButtons", "&Small buttons");
  Small->setCheckable(true);
  View->addMenu(Toolbar)->setVisible(false);
  QAction* Status = Item(View, "StatusBar1", "&Status Bar");
  Status->setCheckable(true);
  Status->setChecked(true);
  FStatusBarEntry = Status;
  Item(View, "Refresh1", "&Refresh")->setVisible(false);
  return View;
}

QMenu* TMainForm::BuildSearchMenu() {
  QMenu* Search = SubMenu(this, "miSearch", "&Search", vmSourceView);
  Item(Search, "Find1", "&Find...");
  Item(Search, "FindNext1", "Find Ne&xt", vmNone, QKeySequence(Qt::Key_F3));
  Item(Search, "Replace1", "&Replace");
  Item(Search, "FindMatchingBrace1", "Find Matching &Brace", vmNone, QKeySequence(Qt::Key_F4));
  Item(Search, "SetBookmark1", "&Set Bookmark");
  Item(Search, "FindBookmark1", "F&ind Bookmark");
  Item(Search, "GoToLineNumber1", "&Goto Line...");
  Search->menuAction()->setVisible(false);
  return Search;
}

QMenu* TMainForm::BuildInsertMenu() {
  QMenu* Insert = SubMenu(this, "miInsert", "&Insert", vmSourceView);
  // The tag each entry inserts is the command table's.
  const auto Tag = [](QMenu* Menu, const char* Name, const QString& Caption, const QString&) {
    Item(Menu, Name, Caption);
  };
  QMenu* Heading = SubMenu(Insert, "miHeading", "&Heading");
  static const char* const HeadingNames[] = {"miHeading1", "miHeading2", "miHeading3",
                                             "miHeading4", "miHeading5", "miHeading6"};
  for (int Level = 1; Level <= 6; ++Level)
    Tag(Heading, HeadingNames[Level - 1], QString("Heading &%1").arg(Level),
        QString("Heading %1").arg(Level));
  Insert->addMenu(Heading);
  QMenu* List = SubMenu(Insert, "miList", "&List");
  Tag(List, "miBulletedList", "&Bulleted", "Bulleted List");
  Tag(List, "miNumberedList", "&Numbered", "Numbered List");
  Tag(List, "miDirectoryList", "&Directory", "Directory");
  Tag(List, "miMenuList", "&Menu", "Menu");
  Insert->addMenu(List);
  QMenu* Paragraph = SubMenu(Insert, "miParagraph", "&Paragraph");
  Tag(Paragraph, "miNormalParagraph", "&Normal", "Paragraph");
  Tag(Paragraph, "miFormattedParagraph", "&Formatted", "Preformatted");
  Tag(Paragraph, "miAddressParagraph", "&Address", "Address");
  Insert->addMenu(Paragraph);
  Tag(Insert, "miHorizontalLine", "Hori&zontal Line", "Horizontal");
  Tag(Insert, "miLineBreak", "Line Brea&k", "Line Break");
  Item(Insert, "miInsertFile", "F&ile...");
  return Insert;
}

QMenu* TMainForm::BuildHelpMenu() {
  QMenu* Help = SubMenu(this, "MenuItem40", "&Help");
  Item(Help, "HelpContents1", "Help &Contents", vmNone, QKeySequence(Qt::Key_F1),
       "Display the help contents screen");
  Item(Help, "WebResources1", "&Web Resources...");
  Separator(Help);
  Item(Help, "About1", "&About Corvane...", vmNone, {}, "Show program information");
  return Help;
}
