// The Component View's history: every kind of change undone and redone with
// the keys, leaving the model, the tree and the page as they were.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <QtTest>
#include <functional>

#include "app/corvane/attributepages.h"
#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "beans/jsbwriter.h"
#include "beans/undo/documenthistory.h"
#include "widgets/hetreeview.h"
#include "windowtest.h"

namespace {

// Names unsorted, so that a sort shows.
const char* const Component = R"(<JSB>
<JSB_DESCRIPTOR NAME="demo.Widget" ENV="client">
<JSB_PROPERTY NAME="zeta" TYPE="number" ISBOUND>
<JSB_METHOD NAME="run" TYPE="void">
<JSB_PARAMETER NAME="a" TYPE="number" VALUESET="0:9">
<JSB_PARAMETER NAME="b" DISPLAYNAME="Bee">
</JSB_METHOD>
<JSB_PROPERTY NAME="alpha">
<JSB_EVENT NAME="onTick" EVENTMODEL="JS">
<JSB_INTERFACE NAME="Runnable">
<JSB_CONSTRUCTOR>
</JSB_CONSTRUCTOR>
</JSB>
)";

// The model as written, every node (caption, image, expanded, selected) and
// every field of the page shown.
QString State(TMainForm& Form) {
  QString Out = QString::fromStdString(WriteJSBText(*Peek(Form).Factory->Bean(), ""));
  for (QTreeWidgetItemIterator It(Form.tvBeanTree); *It; ++It) {
    TTreeNode* Node = AsNode(*It);
    const int Depth = Node->parent() ? (Node->parent()->parent() ? 2 : 1) : 0;
    Out += QString(Depth, ' ') + Node->text(0) + QString("[%1]").arg(Node->ImageIndex) +
           (Node->isExpanded() ? "+" : "") + (Node == Form.tvBeanTree->currentItem() ? "*" : "") +
           "\n";
  }
  Out += "page " + Form.CurrentAttributePage() + "\n";
  for (QWidget* Field : Form.nbAttributes->currentWidget()->findChildren<QWidget*>()) {
    if (!Peek(Form).AttributePages->Field(Field->objectName())) continue;
    QString Value;
    if (auto* Line = qobject_cast<QLineEdit*>(Field))
      Value = Line->text();
    else if (auto* Box = qobject_cast<QComboBox*>(Field))
      Value = Box->currentText();
    else
      Value = qobject_cast<QCheckBox*>(Field)->isChecked() ? "on" : "off";
    Out += Field->objectName() + "=" + Value + "\n";
  }
  return Out;
}

// Empty when the states agree; else the row and the first line that differs.
QString Difference(const char* Row, const QString& Now, const QString& Expected) {
  const QStringList A = Now.split('\n'), B = Expected.split('\n');
  qsizetype I = 0;
  while (I < std::max(A.size(), B.size()) && A.value(I) == B.value(I))
    ++I;
  return I == std::max(A.size(), B.size())
             ? QString()
             : QString("%1: '%2', not '%3'").arg(Row, A.value(I), B.value(I));
}

QTreeWidgetItem* NodeAt(TMainForm& Form, const QList<int>& Path) {
  QTreeWidgetItem* Node = Form.tvBeanTree->topLevelItem(0);
  for (int Index : Path)
    Node = Node->child(Index);
  return Node;
}

QLineEdit* RenameEditor(TMainForm& Form) {
  for (QLineEdit* Editor : Form.tvBeanTree->viewport()->findChildren<QLineEdit*>())
    if (Editor->isVisible()) return Editor;
  return nullptr;
}

void Settle() {
  for (int Round = 0; Round < 3; ++Round)
    QCoreApplication::processEvents();
}

void Type(TMainForm& Form, const char* Field, const QString& Text) {
  QLineEdit* Line = Peek(Form).AttributePages->Entry(Field);
  Line->setFocus();
  Line->end(false);
  QTest::keyClicks(Line, Text);
}

void AddUntitled(TMainForm& Form, TDescriptorKind Kind) {
  Form.AddDescriptorCommand(Kind);
  QLineEdit* Editor = RenameEditor(Form);
  QVERIFY(Editor);
  QTest::keyClick(Editor, Qt::Key_Return);  // an unchanged name is no step
  Settle();
}

// One change as the user makes it, on the node selected first (child indexes
// from the root). The keys go to Field, or to the tree.
struct TEdit {
  enum TAction { Typing, Pick, Tick, RenameInTree, Add, Delete };
  const char* Name;
  QList<int> Node;
  TAction Action;
  const char* Field = nullptr;
  QString Text = {};
  TDescriptorKind Kind = dkProperty;

  void Make(TMainForm& Form, TScript& Script) const {
    switch (Action) {
      case Typing:
        return Type(Form, Field, Text);
      case Pick:
        return Peek(Form).AttributePages->Combo(Field)->setCurrentIndex(2);
      case Tick:
        return Peek(Form).AttributePages->Check(Field)->click();
      case RenameInTree:
        Form.pmiRenameClick();
        RenameEditor(Form)->setText(Text);
        QTest::keyClick(RenameEditor(Form), Qt::Key_Return);
        return Settle();
      case Add:
        return AddUntitled(Form, Kind);
      case Delete:
        Script.Answers = {mrYes};
        return Form.pmiDeleteClick();
    }
  }
};

// The tree after the load: demo.Widget > zeta, alpha, run > (a, b), onTick, Runnable.
const TEdit Edits[] = {
    {"typing in a field", {0}, TEdit::Typing, "fldPropertyDisplayName", "Zed"},
    {"typing a name", {1}, TEdit::Typing, "fldPropertyName", "abc"},
    {"a combo pick", {0}, TEdit::Pick, "fldPropertyEnv"},
    {"a tick", {0}, TEdit::Tick, "chkPropertyIsBound"},
    {"a rename in the tree, which sorts it", {1}, TEdit::RenameInTree, nullptr, "omega"},
    {"adding a property", {}, TEdit::Add},
    {"adding a parameter", {2}, TEdit::Add, nullptr, {}, dkParameter},
    {"deleting a method with two parameters", {2}, TEdit::Delete},
    {"deleting a parameter", {2, 0}, TEdit::Delete},
};

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  QTemporaryDir Files;

  std::unique_ptr<TMainForm> LoadedWindow(TScript& Script) {
    const QString Path = Files.path() + "/w.jsb";
    WriteBytes(Path, Component);
    auto Form = std::make_unique<TMainForm>();
    Script.Serve(*Form);
    Form->show();
    Form->activateWindow();
    Form->LoadFile(Path);
    Form->tvBeanTree->setFocus();
    return Form;
  }

  static void Press(TMainForm& Form, const char* Field, QKeyCombination Keys) {
    QWidget* Target = Field ? Peek(Form).AttributePages->Field(Field) : Form.tvBeanTree;
    if (!Target->hasFocus()) Target->setFocus();
    QTest::keyClick(Target, Keys.key(), Keys.keyboardModifiers());
  }

 private slots:
  // Each row ends with Open (which a drop shares), Close or New in turn, and
  // the history starts afresh.
  void everyKindUndoneAndRedone() {
    const std::function<void(TMainForm&)> Afresh[] = {[](TMainForm& F) { F.Open2Click(); },
                                                      [](TMainForm& F) { F.CloseFile(); },
                                                      [](TMainForm& F) { F.miNewClick(); }};
    bool RedoWithY = false;
    int Row = 0;
    for (const TEdit& Edit : Edits) {
      TScript Script;
      auto Form = LoadedWindow(Script);
      QVERIFY(QTest::qWaitForWindowActive(Form.get()));
      Form->tvBeanTree->setCurrentItem(NodeAt(*Form, Edit.Node));
      const QString Before = State(*Form);
      QUndoStack& Stack = Form->History->Stack();
      Edit.Make(*Form, Script);
      const QString After = State(*Form);
      QVERIFY2(After != Before, Edit.Name);
      QVERIFY2(Stack.count() == 1, Edit.Name);  // one step, however many keys
      Peek(*Form).Factory->Document().SetModified(false);

      Press(*Form, Edit.Field, Qt::CTRL | Qt::Key_Z);
      QCOMPARE(Difference(Edit.Name, State(*Form), Before), QString());
      QVERIFY2(Stack.canRedo(), Edit.Name);  // the history undid it, not a field
      QVERIFY2(Peek(*Form).Factory->Bean()->Modified(), Edit.Name);  // an undo is a change
      Press(*Form, Edit.Field, RedoWithY ? Qt::CTRL | Qt::Key_Y : Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
      QCOMPARE(Difference(Edit.Name, State(*Form), After), QString());
      Press(*Form, Edit.Field, Qt::CTRL | Qt::Key_Z);
      QCOMPARE(Difference(Edit.Name, State(*Form), Before), QString());
      RedoWithY = !RedoWithY;
      Script.Answers = {mrNo};  // to the save prompt
      Script.OpenPaths = {Files.path() + "/w.jsb"};
      Script.Names = {"x"};
      Afresh[Row++ % 3](*Form);
      QVERIFY2(Stack.count() == 0, Edit.Name);
    }
  }

  // A step puts back only what it changed: a method expanded or collapsed
  // by hand since the step stays so.
  void undoLeavesAloneWhatItsStepDidNotTouch() {
    TScript Script;
    auto Form = LoadedWindow(Script);
    Form->tvBeanTree->setCurrentItem(NodeAt(*Form, {0}));
    Script.Answers = {mrYes};
    Form->pmiDeleteClick();
    QTreeWidgetItem* Run = NodeAt(*Form, {1});
    QCOMPARE(Run->text(0), QString("run"));
    const bool Expanded = Run->isExpanded();
    Run->setExpanded(!Expanded);
    Form->History->Undo();
    QCOMPARE(NodeAt(*Form, {0})->text(0), QString("zeta"));
    QCOMPARE(Form->tvBeanTree->currentItem(), NodeAt(*Form, {0}));
    QCOMPARE(Run->isExpanded(), !Expanded);
    // With nothing selected, the step's node is selected again.
    QTreeWidgetItem* Zeta = NodeAt(*Form, {0});
    Form->tvBeanTree->setCurrentItem(Zeta);
    Type(*Form, "fldPropertyDisplayName", "x");
    Zeta->setSelected(false);
    Form->History->Undo();
    QVERIFY(Zeta->isSelected());
    // A click on another node shows its page.
    QTreeWidgetItem* Root = Form->tvBeanTree->topLevelItem(0);
    QTest::mouseClick(Form->tvBeanTree->viewport(), Qt::LeftButton, {},
                      Form->tvBeanTree->visualItemRect(Root).center());
    QCOMPARE(Form->CurrentAttributePage(), QString("Descriptor"));
  }

  // Typing merges within one field of one node until something intervenes;
  // the field's own menu undoes in the history too.
  void typingStepsAndTheFieldMenu() {
    TScript Script;
    auto Form = LoadedWindow(Script);
    QUndoStack& Stack = Form->History->Stack();
    Form->tvBeanTree->setCurrentItem(NodeAt(*Form, {0}));
    Type(*Form, "fldPropertyDisplayName", "ab");
    Type(*Form, "fldPropertyShortDescription", "c");  // another field
    Form->tvBeanTree->setCurrentItem(NodeAt(*Form, {2}));
    Form->tvBeanTree->setCurrentItem(NodeAt(*Form, {0}));
    Type(*Form, "fldPropertyShortDescription", "d");  // after another node
    Press(*Form, "fldPropertyShortDescription", Qt::CTRL | Qt::Key_Z);
    Type(*Form, "fldPropertyShortDescription", "e");  // after an undo
    QCOMPARE(Stack.count(), 3);
    QCOMPARE(Peek(*Form).Factory->Bean()->Properties().Items(0)->ShortDescription(),
             std::string("ce"));
    // Typing back what was there leaves no step.
    QLineEdit* Field = Peek(*Form).AttributePages->Entry("fldPropertyShortDescription");
    QTest::keyClick(Field, Qt::Key_Backspace);
    QCOMPARE(Stack.count(), 2);
    QTimer::singleShot(0, [] {
      QMenu* Menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(Menu && Menu->actions().value(0)->text().startsWith("&Undo"));
      Menu->actions()[0]->trigger();
      Menu->close();
    });
    QContextMenuEvent Click(QContextMenuEvent::Mouse, {2, 2}, Field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Field, &Click);
    QVERIFY(Stack.canRedo());
    QCOMPARE(Peek(*Form).Factory->Bean()->Properties().Items(0)->ShortDescription(), std::string());
  }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
