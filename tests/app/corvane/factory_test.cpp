// The bean factory and the component tree: new components, adding, deleting,
// renaming and sorting descriptors, and the tree a loaded file gets.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/corvane/attributepages.h"
#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "editor/ledit.h"
#include "widgets/extpagecontrol.h"
#include "widgets/hetreeview.h"
#include "windowtest.h"

namespace {

TTreeNode* Root(TMainForm& Form) {
  return AsNode(Form.tvBeanTree->topLevelItem(0));
}

QStringList Captions(QTreeWidgetItem* Parent) {
  QStringList Out;
  for (int I = 0; I < Parent->childCount(); ++I)
    Out << Parent->child(I)->text(0);
  return Out;
}

// Every node in tree order: caption, image, expanded state and selection.
QString Shape(TMainForm& Form) {
  QString Out;
  for (QTreeWidgetItemIterator It(Form.tvBeanTree); *It; ++It) {
    TTreeNode* Node = AsNode(*It);
    Out += QString("%1%2[%3]%4%5\n")
               .arg(QString(Node->parent() ? (Node->parent()->parent() ? 2 : 1) : 0, ' '),
                    Node->text(0))
               .arg(Node->ImageIndex)
               .arg(Node->isExpanded() ? "+" : "")
               .arg(Node == Form.tvBeanTree->currentItem() ? "*" : "");
  }
  return Out;
}

}  // namespace

class FactoryTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  QTemporaryDir Files;

  // A window with a new component named Name.
  std::unique_ptr<TMainForm> NewWindow(TScript& Script, const QString& Name) {
    auto Form = std::make_unique<TMainForm>();
    Script.Serve(*Form);
    Form->show();
    Script.Names.push_back(Name);
    Form->miNewClick();
    return Form;
  }

  // The in-place editor of the tree, when one is open.
  static QLineEdit* RenameEditor(TMainForm& Form) {
    for (QLineEdit* Editor : Form.tvBeanTree->viewport()->findChildren<QLineEdit*>())
      if (Editor->isVisible()) return Editor;
    return nullptr;
  }

  // Types Name into the in-place editor (opening it with Rename when needed)
  // and presses Enter, as a user would.
  void CommitRename(TMainForm& Form, const QString& Name) {
    if (!RenameEditor(Form)) Form.pmiRenameClick();
    QLineEdit* Editor = RenameEditor(Form);
    QVERIFY(Editor);
    Editor->setText(Name);
    QTest::keyClick(Editor, Qt::Key_Return);
    // The editor hands its text over later, and the sort follows after that.
    for (int Round = 0; Round < 3; ++Round)
      QCoreApplication::processEvents();
  }

 private slots:
  void newComponentWithTheDefaultName() {
    TScript Script;
    auto Form = NewWindow(Script, "");
    TJSBean* Bean = Peek(*Form).Factory->Bean();
    QCOMPARE(QString::fromStdString(Bean->Name()), QString("corvane.default.MyComponent"));
    QCOMPARE(Root(*Form)->text(0), QString("corvane.default.MyComponent"));
    QCOMPARE(Root(*Form)->ImageIndex, 4);
    QVERIFY(Bean->Modified());
    QCOMPARE(Form->windowTitle(), QString("Corvane - untitled"));
    QCOMPARE(Form->CurrentAttributePage(), QString("Descriptor"));
    QCOMPARE(Peek(*Form).AttributePages->Entry("fldDescriptorName")->text(),
             QString("corvane.default.MyComponent"));
    const QStringList Lines = Form->LEdit1->Text().split("\r\n");
    QCOMPARE(Lines.size(), 9);  // eight lines, each ended by a break
    QCOMPARE(Lines[0], "\t/*" + QString(44, '-'));
    QCOMPARE(Lines[1], QString("\t   Constructor function"));
    QCOMPARE(Lines[2], "\t" + QString(44, '-') + " */");
    QCOMPARE(Lines[3], QString("\tfunction corvane_default_MyComponent( params ) {"));
    QCOMPARE(Lines[5], QString("\t\t/* Define your constructor here */"));
    QCOMPARE(Lines[7], QString("\t}"));
    for (const char* Name : {"sbNewProperty", "miInterface", "pmiDelete"})
      QVERIFY2(Peek(*Form).Button(Name) ? Peek(*Form).Button(Name)->isEnabled()
                                        : Peek(*Form).Action(Name)->isEnabled(),
               Name);
  }

  void newComponentKeepsBlanksAndSelectsThePlaceholderOnce() {
    TScript Script;
    auto Form = NewWindow(Script, "  a.b ");
    QCOMPARE(QString::fromStdString(Peek(*Form).Factory->Bean()->Name()), QString("  a.b "));
    QCOMPARE(Form->LEdit1->Text().split("\r\n")[3], QString("\tfunction   a_b ( params ) {"));
    Peek(*Form).PageControl->SetActivePage(Peek(*Form).tsConstructorView);
    Form->LEdit1->GetSelection();
    QCOMPARE(QList<int>({Form->LEdit1->StartLine, Form->LEdit1->StartPos, Form->LEdit1->EndLine,
                         Form->LEdit1->EndPos}),
             QList<int>({6, 2, 6, 36}));  // the line ends before position 40
    QCOMPARE(Form->LEdit1->GetSelText(), QString("/* Define your constructor here */"));
    QVERIFY(!Peek(*Form).ConstructorSelectPending);
  }

  void cancelledNewCreatesNothing() {
    TScript Script;
    TMainForm Form;
    Script.Serve(Form);
    Form.show();
    Script.Names.push_back(QString());
    Form.miNewClick();
    QVERIFY(!Peek(Form).Factory->Bean());
    QCOMPARE(Form.tvBeanTree->topLevelItemCount(), 0);
    QCOMPARE(Form.windowTitle(), QString("Corvane"));
  }

  // The in-place editor opens on the new name, selected: what the user types
  // at once, after a tool button or a menu entry, replaces it.
  void aNameTypedAtOnceReplacesTheNewName() {
    TScript Script;
    auto Form = NewWindow(Script, "c");
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    for (const char* Add : {"sbNewMethod", "miParameter"}) {
      if (QToolButton* Button = Peek(*Form).Button(Add))
        QTest::mouseClick(Button, Qt::LeftButton);
      else
        Peek(*Form).Action(Add)->trigger();
      QCoreApplication::processEvents();
      QTest::keyClicks(QApplication::focusWidget(), "speed");
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QCoreApplication::processEvents();
      QCOMPARE(Form->tvBeanTree->currentItem()->text(0), QString("speed"));
    }
  }

  void addingMakesTheNewItemCurrent() {
    TScript Script;
    auto Form = NewWindow(Script, "c");
    TJSBean* Bean = Peek(*Form).Factory->Bean();
    Form->AddDescriptorCommand(dkProperty);
    CommitRename(*Form, "p1");
    Form->AddDescriptorCommand(dkProperty);
    CommitRename(*Form, "p2");
    Peek(*Form).Button("sbNewProperty")->click();
    QCOMPARE(Bean->Properties().Count(), 3);
    QCOMPARE(Bean->Properties().ItemIndex, 2);
    QCOMPARE(Root(*Form)->child(2)->text(0), QString("Untitled"));
    QCOMPARE(Form->tvBeanTree->currentItem(), Root(*Form)->child(2));
    QVERIFY(RenameEditor(*Form));  // the in-place rename has begun
    QCOMPARE(QString::fromStdString(Bean->Properties().Items(2)->Name()), QString("Untitled"));
    QCOMPARE(Peek(*Form).AttributePages->Entry("fldPropertyName")->text(),
             QString());  // filled first
    CommitRename(*Form, "Width");
    QCOMPARE(QString::fromStdString(Bean->Properties().Items(2)->Name()), QString("Width"));
    QCOMPARE(Peek(*Form).AttributePages->Entry("fldPropertyName")->text(), QString("Width"));
  }

  void parametersGoToTheSelectedMethod() {
    TScript Script;
    auto Form = NewWindow(Script, "c");
    TJSBean* Bean = Peek(*Form).Factory->Bean();
    Form->AddDescriptorCommand(dkParameter);  // the component is selected
    QCOMPARE(Script.Log.last(), QString("info:Unable to insert parameter. Select method to which "
                                        "you wish to add parameter and then try again."));
    Form->AddDescriptorCommand(dkMethod);
    CommitRename(*Form, "a");
    Form->AddDescriptorCommand(dkMethod);
    CommitRename(*Form, "b");
    Form->AddDescriptorCommand(dkParameter);  // under b, which is selected
    CommitRename(*Form, "b1");
    // Method a's page was shown last, but a parameter of b is selected.
    Form->tvBeanTree->setCurrentItem(Root(*Form)->child(0));
    Form->tvBeanTree->setCurrentItem(Root(*Form)->child(1)->child(0));
    Form->AddDescriptorCommand(dkParameter);
    QCOMPARE(Bean->Methods().Items(0)->Parameters().Count(), 0);
    QCOMPARE(Bean->Methods().Items(1)->Parameters().Count(), 2);
    QCOMPARE(AsNode(Root(*Form)->child(1)->child(1))->ImageIndex, 1);
    Form->AddDescriptorCommand(dkProperty);
    Form->AddDescriptorCommand(dkParameter);  // a property is selected
    QCOMPARE(Bean->Methods().Items(1)->Parameters().Count(), 2);
  }

  void deletingAsksAndSelectsTheNodeAbove() {
    TScript Script;
    auto Form = NewWindow(Script, "c");
    TJSBean* Bean = Peek(*Form).Factory->Bean();
    for (const char* Name : {"m1", "m2"}) {
      Form->AddDescriptorCommand(dkMethod);
      CommitRename(*Form, Name);
      Form->AddDescriptorCommand(dkParameter);
      CommitRename(*Form, QString(Name) + "p");
    }
    Form->tvBeanTree->setCurrentItem(Root(*Form)->child(1));
    Bean->SetModified(false);
    Script.Answers = {mrNo};
    Form->pmiDeleteClick();
    QCOMPARE(Bean->Methods().Count(), 2);
    QVERIFY(Bean->Modified());  // whatever the answer
    QCOMPARE(Script.Log.last(), QString("confirm:Are you sure you wish to delete m2?"));
    Script.Answers = {mrYes};
    Form->pmiDeleteClick();
    QCOMPARE(Bean->Methods().Count(), 1);
    QCOMPARE(Captions(Root(*Form)), QStringList{"m1"});
    // The node above was m1's parameter, shown now, and current in its method.
    QCOMPARE(Form->tvBeanTree->currentItem()->text(0), QString("m1p"));
    QCOMPARE(Form->CurrentAttributePage(), QString("Parameter"));
    Form->tvBeanTree->setCurrentItem(Root(*Form));
    const int Asked = Script.Log.size();
    Form->pmiDeleteClick();  // the component cannot be deleted, and nothing is asked
    QCOMPARE(Script.Log.size(), Asked);
    QVERIFY(Peek(*Form).Factory->Bean());
  }

  void renamingTheRootRenamesTheComponent() {
    TScript Script;
    auto Form = NewWindow(Script, "old.Name");
    Form->tvBeanTree->setCurrentItem(Root(*Form));
    CommitRename(*Form, "new.Name");
    QCOMPARE(QString::fromStdString(Peek(*Form).Factory->Bean()->Name()), QString("new.Name"));
    QCOMPARE(Peek(*Form).AttributePages->Entry("fldDescriptorName")->text(), QString("new.Name"));
    Form->tvBeanTree->setCurrentItem(nullptr);
    Form->pmiRenameClick();  // nothing selected: nothing happens
    QVERIFY(!RenameEditor(*Form));
  }

  void sortingOrdersKindsThenNames() {
    TScript Script;
    const QString Path = Files.path() + "/sort.jsb";
    WriteBytes(
        Path,
        "<JSB><JSB_DESCRIPTOR NAME=\"s\"><JSB_INTERFACE NAME=\"I1\">"
        "<JSB_PROPERTY NAME=\"zeta\"><JSB_PROPERTY NAME=\"Alpha\">"
        "<JSB_PROPERTY NAME=\"aZ\"><JSB_PROPERTY NAME=\"a_b\">"
        "<JSB_METHOD NAME=\"run\"><JSB_PARAMETER NAME=\"z\"><JSB_PARAMETER NAME=\"a\">"
        "</JSB_METHOD><JSB_EVENT NAME=\"abc\"><JSB_EVENT NAME=\"ABC\"><JSB_EVENT NAME=\"ab\">");
    TMainForm Form;
    Script.Serve(Form);
    Form.show();
    Form.LoadFile(Path);
    QCOMPARE(Captions(Root(Form)),
             (QStringList{"zeta", "Alpha", "aZ", "a_b", "run", "abc", "ABC", "ab", "I1"}));
    Form.tvBeanTree->setCurrentItem(Root(Form)->child(0));
    CommitRename(Form, "zeta");
    QCOMPARE(Captions(Root(Form)),
             (QStringList{"Alpha", "aZ", "a_b", "zeta", "run", "ab", "abc", "ABC", "I1"}));
    QCOMPARE(Captions(Root(Form)->child(4)), (QStringList{"z", "a"}));  // parameters keep order
  }

  // Notices come in the reader's order while the old document still stands;
  // the tree changes only after the last one.
  void noticesComeBeforeTheTreeChanges() {
    struct TTreeScript : TScript {
      TMainForm* Form = nullptr;
      void Info(const std::string& Msg) override {
        TScript::Info(Msg);
        Log << "tree:" + Root(*Form)->text(0);
      }
    } Script;
    const QString Path = Files.path() + "/notices.jsb";
    WriteBytes(Path, "<JSB VERSION=1><JSB_LISTENER x></JSB_LISTENER><JSB_DESCRIPTOR NAME=\"n\">");
    auto Form = NewWindow(Script, "old");
    Script.Form = Form.get();
    Script.Log.clear();
    Form->LoadFile(Path);
    QCOMPARE(Script.Log,
             (QStringList{"info:" + Path +
                              " appears to be an outdated JavaScript BeanInfo file. Any "
                              "attributes contained in the <JSB> tag will be ignored.",
                          "tree:old",
                          "info:<JSB_LISTENER> tags were found in " + Path +
                              ". These tags are not supported in Corvane PR1 and will be ignored.",
                          "tree:old"}));
    QCOMPARE(Root(*Form)->text(0), QString("n"));
  }

  void loadingBuildsTheTreeAsAddingEachItemWould() {
    TScript Script;
    const QString Path = Files.path() + "/shape.jsb";
    WriteBytes(Path,
               "<JSB><JSB_DESCRIPTOR NAME=\"d\"><JSB_PROPERTY NAME=\"p1\">"
               "<JSB_PROPERTY NAME=\"p2\" TYPE=x><JSB_METHOD NAME=\"m1\"><JSB_PARAMETER NAME=\"x\">"
               "<JSB_PARAMETER NAME=\"y\"></JSB_METHOD><JSB_METHOD NAME=\"m2\"></JSB_METHOD>"
               "<JSB_EVENT NAME=\"e1\"><JSB_INTERFACE NAME=\"i1\"><JSB_INTERFACE NAME=\"i2\">");
    TMainForm Loaded;
    Script.Serve(Loaded);
    Loaded.show();
    Loaded.LoadFile(Path);
    QCOMPARE(Shape(Loaded),
             QString("d[4]+*\n p1[5]\n p2[5]\n m1[6]\n  x[1]\n  y[1]\n m2[6]\n e1[11]\n"
                     " i1[22]\n i2[22]\n"));  // methods collapsed, root expanded and selected
    QCOMPARE(Loaded.CurrentAttributePage(), QString("Descriptor"));
    QVERIFY(!Peek(Loaded).Factory->Bean()->Modified());
    QVERIFY(!Loaded.LEdit1->isHidden());
    // The same through the commands, one item at a time, leaves the same
    // current items and the same contents on the pages not shown.
    auto Built = NewWindow(Script, "d");
    const auto Add = [&](TDescriptorKind Kind, const QString& Name) {
      Built->AddDescriptorCommand(Kind);
      CommitRename(*Built, Name);
    };
    Add(dkProperty, "p1");
    Add(dkProperty, "p2");
    Peek(*Built).AttributePages->Combo("fldPropertyType")->setEditText("x");
    Add(dkMethod, "m1");
    Add(dkParameter, "x");
    Add(dkParameter, "y");
    Add(dkMethod, "m2");
    Add(dkEvent, "e1");
    Add(dkInterface, "i1");
    Add(dkInterface, "i2");
    const auto Current = [](TMainForm& Form) {
      const TJSBean& B = *Peek(Form).Factory->Bean();
      return QList<int>{B.Properties().ItemIndex,
                        B.Methods().ItemIndex,
                        B.Methods().Items(0)->Parameters().ItemIndex,
                        B.Methods().Items(1)->Parameters().ItemIndex,
                        B.EventSets().ItemIndex,
                        B.Interfaces().ItemIndex};
    };
    QCOMPARE(Current(Loaded), Current(*Built));
    QCOMPARE(Current(Loaded), (QList<int>{1, 1, 1, 0, 0, 1}));
    for (const char* Field : {"fldPropertyName", "fldPropertyType", "fldMethodName",
                              "fldParameterName", "fldEventName", "fldInterfaceName"})
      QCOMPARE(Peek(Loaded).AttributePages->Field(Field)->property("text").toString() +
                   Peek(Loaded).AttributePages->Field(Field)->property("currentText").toString(),
               Peek(*Built).AttributePages->Field(Field)->property("text").toString() +
                   Peek(*Built).AttributePages->Field(Field)->property("currentText").toString());
  }
};

QTEST_MAIN(FactoryTest)
#include "factory_test.moc"
