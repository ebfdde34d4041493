// The main window's menu bar, as designed. Items carry their view mark in the
// "tag" property; the page switch shows and hides them by it. Captions and
// hints are the designed English texts, shown in the user's language.
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
  QMenu* Tools = SubMenu(this, "Tools1", tr("&Tools"));
  Item(Tools, "JARPackager1", tr("&JAR Packager"))->setEnabled(false);
  Bar->addMenu(Tools);
  Bar->addMenu(BuildHelpMenu());
  Insert->menuAction()->setVisible(false);
  Tools->menuAction()->setVisible(false);
}

QMenu* TMainForm::BuildFileMenu() {
  QMenu* File = SubMenu(this, "miFile", tr("&File"));
  QMenu* New = SubMenu(File, "miNew", tr("&New"));
  Item(New, "Component1", tr("&Component"))
      ->setShortcuts(StandardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N));
  Separator(New, "N4", vmComponentView);
  Item(New, "miProperty", tr("&Property"), vmComponentView);
  Item(New, "miEvent", tr("&Event"), vmComponentView);
  Item(New, "miMethod", tr("&Method"), vmComponentView);
  Item(New, "miParameter", tr("Pa&rameter"), vmComponentView);
  Item(New, "miInterface", tr("&Interface"), vmComponentView);
  File->addMenu(New);
  Item(File, "Open2", tr("&Open..."))
      ->setShortcuts(StandardKeys(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
  Item(File, "miSave", tr("&Save..."))
      ->setShortcuts(StandardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
  Item(File, "miSaveAs", tr("Save &As..."))
      ->setShortcuts(StandardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  Separator(File);
  Item(File, "Close1", tr("&Close"))
      ->setShortcuts(StandardKeys(QKeySequence::Close, Qt::CTRL | Qt::Key_W));
  Item(File, "miPrint", tr("&Print..."))->setVisible(false);
  Item(File, "miPrinterSetup", tr("P&rinter Setup"))->setVisible(false);
  Separator(File);
  QAction* Exit = Item(File, "MenuItem17", tr("&Exit"), vmNone, {}, tr("Exit this application"));
  Exit->setShortcuts(StandardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
  return File;
}

QMenu* TMainForm::BuildEditMenu() {
  QMenu* Edit = SubMenu(this, "miEdit", tr("&Edit"));
  Item(Edit, "miUndo", tr("&Undo"), vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_Z),
       tr("Undo the last action"));
  Separator(Edit, "N1", vmSourceView);
  Item(Edit, "Cut2", tr("Cu&t"), vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_X),
       tr("Delete selected item"));
  Item(Edit, "Copy2", tr("&Copy"), vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_C),
       tr("Copy selected item to clipboard"));
  Item(Edit, "Paste2", tr("&Paste"), vmSourceView, QKeySequence(Qt::CTRL | Qt::Key_V),
       tr("Paste contents of clipboard"));
  Separator(Edit, "N2", vmSourceView);
  Item(Edit, "miSelectAll", tr("Se&lect All"), vmSourceView);
  Separator(Edit, "N3", vmSourceView);
  Item(Edit, "miDelete", tr("&Delete"), vmComponentView, QKeySequence(Qt::CTRL | Qt::Key_Delete));
  Item(Edit, "Rename1", tr("&Rename"), vmComponentView, QKeySequence(Qt::Key_F2));
  Separator(Edit, "N5", vmComponentView);
  Item(Edit, "Options1", tr("P&references..."));
  for (QAction* A : Edit->actions())
    if (A->property("tag").toInt() == vmSourceView) A->setVisible(false);
  return Edit;
}

QMenu* TMainForm::BuildViewMenu() {
  QMenu* View = SubMenu(this, "MenuItem18", tr("&View"));
  Item(View, "ComponentView2", tr("Component View"))->setVisible(false);
  Item(View, "ConstructorView1", tr("Constructor View"))->setVisible(false);
  QMenu* Toolbar = SubMenu(View, "Toolbar2", tr("&Toolbar"));
  QAction* Large = Item(Toolbar, "miLargeButtons", tr("&Large buttons"));
  Large->setCheckable(true);
  Large->setChecked(true);
  QAction* Small = Item(Toolbar, "miSmallButtons", tr("&Small buttons"));
  Small->setCheckable(true);
  View->addMenu(Toolbar)->setVisible(false);
  QAction* Status = Item(View, "StatusBar1", tr("&Status Bar"));
  Status->setCheckable(true);
  Status->setChecked(true);
  FStatusBarEntry = Status;
  Item(View, "Refresh1", tr("&Refresh"))->setVisible(false);
  return View;
}

QMenu* TMainForm::BuildSearchMenu() {
  QMenu* Search = SubMenu(this, "miSearch", tr("&Search"), vmSourceView);
  Item(Search, "Find1", tr("&Find..."));
  Item(Search, "FindNext1", tr("Find Ne&xt"), vmNone, QKeySequence(Qt::Key_F3));
  Item(Search, "Replace1", tr("&Replace"));
  Item(Search, "FindMatchingBrace1", tr("Find Matching &Brace"), vmNone, QKeySequence(Qt::Key_F4));
  Item(Search, "SetBookmark1", tr("&Set Bookmark"));
  Item(Search, "FindBookmark1", tr("F&ind Bookmark"));
  Item(Search, "GoToLineNumber1", tr("&Goto Line..."));
  Search->menuAction()->setVisible(false);
  return Search;
}

QMenu* TMainForm::BuildInsertMenu() {
  QMenu* Insert = SubMenu(this, "miInsert", tr("&Insert"), vmSourceView);
  // The tag each entry inserts is the command table's.
  const auto Tag = [](QMenu* Menu, const char* Name, const QString& Caption, const QString&) {
    Item(Menu, Name, Caption);
  };
  QMenu* Heading = SubMenu(Insert, "miHeading", tr("&Heading"));
  static const char* const HeadingNames[] = {"miHeading1", "miHeading2", "miHeading3",
                                             "miHeading4", "miHeading5", "miHeading6"};
  for (int Level = 1; Level <= 6; ++Level)
    Tag(Heading, HeadingNames[Level - 1], tr("Heading &%1").arg(Level),
        QString("Heading %1").arg(Level));
  Insert->addMenu(Heading);
  QMenu* List = SubMenu(Insert, "miList", tr("&List"));
  Tag(List, "miBulletedList", tr("&Bulleted"), "Bulleted List");
  Tag(List, "miNumberedList", tr("&Numbered"), "Numbered List");
  Tag(List, "miDirectoryList", tr("&Directory"), "Directory");
  Tag(List, "miMenuList", tr("&Menu"), "Menu");
  Insert->addMenu(List);
  QMenu* Paragraph = SubMenu(Insert, "miParagraph", tr("&Paragraph"));
  Tag(Paragraph, "miNormalParagraph", tr("&Normal"), "Paragraph");
  Tag(Paragraph, "miFormattedParagraph", tr("&Formatted"), "Preformatted");
  Tag(Paragraph, "miAddressParagraph", tr("&Address"), "Address");
  Insert->addMenu(Paragraph);
  Tag(Insert, "miHorizontalLine", tr("Hori&zontal Line"), "Horizontal");
  Tag(Insert, "miLineBreak", tr("Line Brea&k"), "Line Break");
  Item(Insert, "miInsertFile", tr("F&ile..."));
  return Insert;
}

QMenu* TMainForm::BuildHelpMenu() {
  QMenu* Help = SubMenu(this, "MenuItem40", tr("&Help"));
  Item(Help, "HelpContents1", tr("Help &Contents"), vmNone, QKeySequence(Qt::Key_F1),
       tr("Display the help contents screen"));
  Item(Help, "WebResources1", tr("&Web Resources..."));
  Separator(Help);
  Item(Help, "About1", tr("&About Corvane..."), vmNone, {}, tr("Show program information"));
  return Help;
}
