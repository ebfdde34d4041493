// What a screen reader learns of the window's pages and of every dialog, and
// the keys that switch between the views from anywhere in the window.
#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/corvane/attributepages.h"
#include "windowtest.h"

namespace {

using QA = QAccessible;

// Roles that a user operates, and so must hear named.
bool IsControl(QA::Role Role) {
  static const QList<QA::Role> Controls{
      QA::PushButton, QA::CheckBox,    QA::RadioButton,   QA::ComboBox, QA::EditableText,
      QA::SpinBox,    QA::Slider,      QA::Tree,          QA::List,     QA::Table,
      QA::PageTab,    QA::PageTabList, QA::ToolBar,       QA::Splitter, QA::Grip,
      QA::Link,       QA::ButtonMenu,  QA::ButtonDropDown};
  return Controls.contains(Role);
}

// A shown control that the user operates or can give the focus to, and so
// knows by its name alone.
bool IsHeard(QAccessibleInterface* Node) {
  const QA::State State = Node->state();
  return !State.invisible && (IsControl(Node->role()) || State.focusable);
}

// Every fault below Node: a focusable or operable control without a name or
// named like one beside it, a combo box named by its value, a hidden widget
// reported as shown.
void Faults(QAccessibleInterface* Node, const QString& Path, QStringList& Found) {
  const QA::State State = Node->state();
  auto* Widget = qobject_cast<QWidget*>(Node->object());
  if (State.invisible) return;
  const QString Name = Node->text(QA::Name);
  const QString Here = Path + "/" + (Name.isEmpty() ? QString::number(Node->role()) : Name);
  if (Widget && !Widget->isVisible()) Found << Here + ": hidden but reported";
  if (!Widget && Node->rect().isEmpty()) Found << Here + ": has no place but is reported";
  if (IsHeard(Node) && Name.trimmed().isEmpty()) Found << Here + ": no name";
  if (Node->role() == QA::ComboBox && Name == Node->text(QA::Value))
    Found << Here + ": named by its value";
  // An item view's rows are named by their own text.
  if (Node->role() == QA::Tree || Node->role() == QA::List || Node->role() == QA::Table) return;
  QStringList Heard;
  for (int I = 0; I < Node->childCount(); ++I) {
    QAccessibleInterface* Child = Node->child(I);
    if (!Child) continue;
    Faults(Child, Here, Found);
    const QString Alike = QString::number(Child->role()) + " " + Child->text(QA::Name);
    if (IsHeard(Child) && Heard.contains(Alike))
      Found << Here + "/" + Child->text(QA::Name) + ": named like a control beside it";
    if (IsHeard(Child)) Heard << Alike;
  }
}

QStringList Faults(QWidget* Root) {
  QStringList Found;
  Faults(QA::queryAccessibleInterface(Root), {}, Found);
  return Found;
}

// The faults of Root as it shows and on every other tab of its tab widgets.
QStringList FaultsOnEveryTab(QWidget* Root) {
  QStringList Found = Faults(Root);
  for (auto* Tabs : Root->findChildren<QTabWidget*>()) {
    const int Shown = Tabs->currentIndex();
    for (int Tab = 0; Tab < Tabs->count(); ++Tab) {
      if (Tab == Shown || !Tabs->isTabVisible(Tab)) continue;
      Tabs->setCurrentIndex(Tab);
      Found << Faults(Root);
    }
  }
  return Found;
}

}  // namespace

class AccessibilityTest : public QObject, TWindowFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { QA::setActive(true); }
  void init() { StartWindow("Clock.jsb", ClockComponent); }
  void cleanup() { StopWindow(); }

  // Each attribute page, each of its tabs, and the Source View.
  void everyPageNamesWhatItShowsAndNothingHidden() {
    auto* Notebook = Form->findChild<QStackedWidget*>("nbAttributes");
    QStringList Found;
    for (int Page = 1; Page < Notebook->count(); ++Page) {
      Notebook->setCurrentIndex(Page);
      auto* Tabs = Notebook->currentWidget()->findChild<QTabWidget*>();
      for (int Tab = 0; Tab < Tabs->count(); ++Tab) {
        Tabs->setCurrentIndex(Tab);
        Found << Faults(Form.get());
      }
    }
    Peek(*Form).PageControl->SetActivePage(Peek(*Form).tsConstructorView);
    Found << Faults(Form.get());
    QVERIFY2(Found.isEmpty(), qPrintable(Found.join('\n')));
  }

  // Each dialog, on each of its tabs, as the window's own services and editor
  // show it.
  void everyDialogNamesItsControls_data() {
    QTest::addColumn<QString>("Command");
    QTest::addColumn<bool>("SourceView");
    QTest::newRow("New Component") << "Component1" << false;
    QTest::newRow("Preferences") << "Options1" << false;
    QTest::newRow("About") << "About1" << false;
    QTest::newRow("Web Resources") << "WebResources1" << false;
    QTest::newRow("Find") << "Find1" << true;
    QTest::newRow("Replace") << "Replace1" << true;
    QTest::newRow("Go to line") << "GoToLineNumber1" << true;
  }
  void everyDialogNamesItsControls() {
    QFETCH(QString, Command);
    QFETCH(bool, SourceView);
    Form->SetServices(nullptr);
    if (SourceView) Peek(*Form).PageControl->SetActivePage(Peek(*Form).tsConstructorView);
    QStringList Found;
    QWidget* Shown = nullptr;
    QTimer::singleShot(0, [&] {
      Shown = QApplication::activeModalWidget();
      if (!Shown) return;
      Found = FaultsOnEveryTab(Shown);
      Shown->close();
    });
    Peek(*Form).Action(Command)->trigger();
    QVERIFY(Shown);
    QVERIFY2(Found.isEmpty(), qPrintable(Found.join('\n')));
  }

  // Ctrl+Page Down and Up go round the views from inside a view's controls,
  // past the hidden Help View.
  void controlPageKeysSwitchViewsFromAnywhere() {
    TExtPageControl* Pages = Peek(*Form).PageControl;
    QWidget* Source = Peek(*Form).tsConstructorView;
    QWidget* Component = Peek(*Form).tsComponentView;
    QWidget* Field = Peek(*Form).AttributePages->Field("fldDescriptorName");
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    Field->setFocus();
    QTest::keyClick(Field, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(Pages->ActivePage(), Source);
    QWidget* Editor = Form->LEdit1->Scintilla();
    QVERIFY(Editor->hasFocus());
    QTest::keyClick(Editor, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(Pages->ActivePage(), Component);
    QTest::keyClick(Field, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(Pages->ActivePage(), Source);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
