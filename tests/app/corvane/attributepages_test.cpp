// The attribute pages: filling writes nothing back, typing writes at once.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/corvane/attributepages.h"
#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "beans/jsbdocument.h"
#include "widgets/hetreeview.h"
#include "windowtest.h"

namespace {

const char* const Component =
    "<JSB><JSB_DESCRIPTOR NAME=\"c\" ENV=\"client\" ISJAVA>"
    "<JSB_PROPERTY NAME=\"width\" TYPE=\"number\" ISBOUND>"
    "<JSB_PROPERTY NAME=\"label\" TYPE=\"string\" ENV=\"server\">"
    "<JSB_PROPERTY NAME=\"height\">"
    "<JSB_METHOD NAME=\"a\"><JSB_PARAMETER NAME=\"a1\" TYPE=\"number\"></JSB_METHOD>"
    "<JSB_METHOD NAME=\"b\"><JSB_PARAMETER NAME=\"b1\" TYPE=\"string\"></JSB_METHOD>"
    "<JSB_EVENT NAME=\"e1\" EVENTMODEL=\"JS\"><JSB_EVENT NAME=\"e2\" EVENTMODEL=\"JS\">"
    "<JSB_INTERFACE NAME=\"i\" DISPLAYNAME=\"kept\">";

QTreeWidgetItem* Node(TMainForm& Form, int Child, int Grandchild = -1) {
  QTreeWidgetItem* N = Form.tvBeanTree->topLevelItem(0)->child(Child);
  return Grandchild < 0 ? N : N->child(Grandchild);
}

QStringList Items(QComboBox* Box) {
  QStringList Out;
  for (int I = 0; I < Box->count(); ++I)
    Out << Box->itemText(I);
  return Out;
}

}  // namespace

class AttributePagesTest : public QObject, TWindowFixture {
  Q_OBJECT

  TAttributePages& Pages() { return *Peek(*Form).AttributePages; }
  TJSBean& Bean() { return *Peek(*Form).Factory->Bean(); }
  void Select(QTreeWidgetItem* Item) { Form->tvBeanTree->setCurrentItem(Item); }

 private slots:
  void init() { StartWindow("c.jsb", Component); }
  void cleanup() { StopWindow(); }

  void pagesAsDesigned() {
    QCOMPARE(Items(Pages().Combo("fldDescriptorEnv")),
             (QStringList{"client", "server", "both", "either"}));
    QCOMPARE(Items(Pages().Combo("fldParameterType")).size(), 9);
    QCOMPARE(Items(Pages().Combo("fldPropertyPropType")),
             (QStringList{"JS", "JS-expr", "AWT11", "TagAttribute"}));
    QCOMPARE(Items(Pages().Combo("fldEventEventModel")), (QStringList{"JS", "AWT11", "HTML"}));
    QTabWidget* Property = Pages().InnerTabs("Property");
    QCOMPARE(Property->tabText(0) + "," + Property->tabText(1), QString("Standard,Additional"));
    QVERIFY(Property->widget(1)->isAncestorOf(Pages().Check("chkPropertyIsBound")));
    QVERIFY(Pages().InnerTabs("Event")->widget(1)->isAncestorOf(
        Pages().Entry("fldEventRemoveListenerMethod")));
    QCOMPARE(Pages().Check("chkDescriptorIsJava")->text(), QString("Affiliate with Java classes"));
    QVERIFY(!Pages().Field("fldInterfaceDisplayName"));  // an interface has only its name
    // Dropped files go on to the window instead of into a field.
    for (QLineEdit* Line : Form->nbAttributes->findChildren<QLineEdit*>())
      QVERIFY2(!Line->acceptDrops(), qPrintable(Line->objectName()));
  }

  // From the tree, Tab goes through the fields of the tab shown from the top,
  // each showing that it has the focus, and back to the tree.
  void tabVisitsTheFieldsInOrder() {
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    Form->setAttribute(Qt::WA_KeyboardFocusChange);  // as after any Tab
    for (QTreeWidgetItem* Item : {Form->tvBeanTree->topLevelItem(0), Node(*Form, 0), Node(*Form, 3),
                                  Node(*Form, 5), Node(*Form, 3, 0), Node(*Form, 7)}) {
      Select(Item);
      QTabWidget* Tabs = Pages().InnerTabs(Form->CurrentAttributePage());
      for (int Tab = 0; Tab < Tabs->count(); ++Tab) {
        Tabs->setCurrentIndex(Tab);
        QMap<int, QString> Fields;  // by their height on the tab
        for (QWidget* Field :
             Tabs->currentWidget()->findChildren<QWidget*>(QRegularExpression("^(fld|chk)")))
          Fields[Field->mapTo(Tabs, QPoint()).y()] = Field->objectName();
        QStringList Visited;
        QWidget* At = Form->tvBeanTree;
        At->setFocus();
        while (At && Visited.size() <= Fields.size() && !Visited.endsWith("tvBeanTree")) {
          const QImage Focused = At->grab().toImage();
          QTest::keyClick(At, Qt::Key_Tab);
          QVERIFY2(At->grab().toImage() != Focused,
                   qPrintable(At->objectName() + " hid its focus"));
          At = QApplication::focusWidget();
          Visited << (At ? At->objectName() : QString());
        }
        QCOMPARE(Visited, Fields.values() << "tvBeanTree");
      }
    }
  }

  // The list opens on the entry the field shows, whatever was picked before,
  // and on none for a value of its own.
  void listOpensOnTheValueShown() {
    Select(Node(*Form, 0));
    QComboBox* Type = Pages().Combo("fldPropertyType");
    Type->setCurrentIndex(0);
    for (const auto& [Value, Row] : {std::pair{"number", 5}, {"int", -1}, {"string", 6}}) {
      Type->setEditText(Value);
      Type->showPopup();
      QCOMPARE(Type->view()->selectionModel()->selectedRows().value(0).row(), Row);
      Type->hidePopup();
    }
  }

  void selectingFillsAndChangesNothing() {
    Select(Node(*Form, 0));
    QCOMPARE(Form->CurrentAttributePage(), QString("Property"));
    QCOMPARE(Pages().Combo("fldPropertyType")->currentText(), QString("number"));
    QVERIFY(Pages().Check("chkPropertyIsBound")->isChecked());
    Select(Node(*Form, 1));
    QCOMPARE(Pages().Entry("fldPropertyName")->text(), QString("label"));
    QCOMPARE(Pages().Combo("fldPropertyEnv")->currentText(), QString("server"));
    QVERIFY(!Pages().Check("chkPropertyIsBound")->isChecked());
    QCOMPARE(Bean().Properties().Items(0)->Type(), std::string("number"));
    QVERIFY(Bean().Properties().Items(0)->IsBound());
    QVERIFY(!Bean().Modified());
    QVERIFY(!Form->DocumentChanged());
  }

  // A change made elsewhere reaches the page that shows the changed object;
  // the page's own changes and other objects' leave the fields alone.
  void pagesFollowChangesMadeElsewhere() {
    Select(Node(*Form, 0));
    TJSBDocument& Doc = Peek(*Form).Factory->Document();
    Doc.SetText(Bean().Properties().Items(0), "TYPE", "int");
    Doc.SetFlag(Bean().Properties().Items(0), "ISBOUND", false);
    Doc.SetText(Bean().Properties().Items(1), "TYPE", "other");
    QCOMPARE(Pages().Combo("fldPropertyType")->currentText(), QString("int"));
    QVERIFY(!Pages().Check("chkPropertyIsBound")->isChecked());
    Doc.Rename(Bean().Properties().Items(0), "w");
    QCOMPARE(Node(*Form, 0)->text(0), QString("w"));                       // the tree follows names
    QCOMPARE(Pages().Entry("fldPropertyName")->text(), QString("width"));  // ShowName's part
    Doc.Bean()->SetModified(false);
    QSignalSpy Changed(&Doc, &TJSBDocument::FieldChanged);
    Pages().Combo("fldPropertyType")->setEditText("x");
    QCOMPARE(Changed.size(), 1);
    QCOMPARE(Pages().Combo("fldPropertyType")->currentText(), QString("x"));
    QVERIFY(Bean().Modified());
  }

  void typingRenamesTheNodeAsYouGo() {
    Select(Node(*Form, 0));
    QLineEdit* Name = Pages().Entry("fldPropertyName");
    Name->setFocus();
    Name->end(false);
    QTest::keyClick(Name, Qt::Key_X);
    QCOMPARE(Bean().Properties().Items(0)->Name(), std::string("widthx"));
    QCOMPARE(Node(*Form, 0)->text(0), QString("widthx"));
    QTest::keyClick(Name, Qt::Key_Backspace);
    QCOMPARE(Bean().Properties().Items(0)->Name(), std::string("width"));
    QCOMPARE(Node(*Form, 0)->text(0), QString("width"));
    QVERIFY(Bean().Modified());
  }

  void anyTextIsStoredAndFlagsToggle() {
    Select(Node(*Form, 1));
    Pages().Combo("fldPropertyType")->setEditText("int");
    QCOMPARE(Bean().Properties().Items(1)->Type(), std::string("int"));
    Select(Node(*Form, 0));
    Select(Node(*Form, 1));
    QCOMPARE(Pages().Combo("fldPropertyType")->currentText(), QString("int"));
    Bean().SetModified(false);
    Pages().Check("chkPropertyIsBound")->click();
    QVERIFY(Bean().Properties().Items(1)->IsBound());
    QVERIFY(Bean().Modified());
    Pages().Check("chkPropertyIsBound")->click();
    QVERIFY(!Bean().Properties().Items(1)->IsBound());
    Bean().SetModified(false);
    Pages().Entry("fldPropertyName")->setText("label");  // the value it has already
    QVERIFY(!Bean().Modified());
  }

  void eachEventKeepsItsOwnModel() {
    Select(Node(*Form, 5));  // e1
    QComboBox* Model = Pages().Combo("fldEventEventModel");
    Model->setCurrentIndex(Model->findText("AWT11"));
    QCOMPARE(Bean().EventSets().Items(0)->EventModel(), std::string("AWT11"));
    QCOMPARE(Bean().EventSets().Items(1)->EventModel(), std::string("JS"));
  }

  void parametersAreFoundThroughTheirMethod() {
    Select(Node(*Form, 3, 0));  // a1 of method a is shown first
    Select(Node(*Form, 4, 0));  // then b1 of method b
    Pages().Combo("fldParameterType")->setEditText("object");
    QCOMPARE(Bean().Methods().Items(1)->Parameters().Items(0)->Type(), std::string("object"));
    QCOMPARE(Bean().Methods().Items(0)->Parameters().Items(0)->Type(), std::string("number"));
  }

  void descriptorPageEditsTheComponent() {
    Select(Form->tvBeanTree->topLevelItem(0));
    Pages().Entry("fldDescriptorName")->setText("c.Renamed");
    QCOMPARE(Bean().Name(), std::string("c.Renamed"));
    QCOMPARE(Form->tvBeanTree->topLevelItem(0)->text(0), QString("c.Renamed"));
    Pages().Check("chkDescriptorIsHidden")->click();
    QVERIFY(Bean().IsHidden());
  }

  void staleCurrentItemsAreNeverEdited() {
    Select(Node(*Form, 1));  // label is shown, and current as index 1
    // The first property goes without a selection change: index 1 now
    // designates height, while label's page is still the one shown.
    Bean().Properties().Items(0)->Free();
    delete Node(*Form, 0);
    Pages().Entry("fldPropertyName")->setText("changed");
    QCOMPARE(Bean().Properties().Items(0)->Name(), std::string("label"));
    QCOMPARE(Bean().Properties().Items(1)->Name(), std::string("height"));
  }
};

QTEST_MAIN(AttributePagesTest)
#include "attributepages_test.moc"
