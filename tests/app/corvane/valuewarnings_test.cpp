// Values a save would change: marked in their field and on their node as they
// are typed, and asked about once before a save.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/corvane/attributepages.h"
#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "app/corvane/valuewarnings.h"
#include "beans/beanfactory.h"
#include "beans/jsbdocument.h"
#include "widgets/hetreeview.h"
#include "windowtest.h"

namespace {

const char* const Component =
    "<JSB>\r\n<JSB_DESCRIPTOR NAME=\"c\">\r\n<JSB_PROPERTY NAME=\"width\" TYPE=\"number\">\r\n"
    "<JSB_CONSTRUCTOR>\r\nf();\r\n</JSB_CONSTRUCTOR>\r\n</JSB>\r\n";
const QString Header =
    "Some values cannot be stored in a JSB file and will change when the file is opened again:";
const QString Quote = "A double quote ends the value early: the file will keep only 'say '";

QImage Image(const QIcon& Icon) {
  return Icon.pixmap(16, 16).toImage();
}

}  // namespace

class ValueWarningsTest : public QObject, TWindowFixture {
  Q_OBJECT

  // The questions asked before a save.
  QStringList Asked() const { return Script->Logged("saveanyway"); }

  QString Path() const { return TWindowFixture::Path("c.jsb"); }
  TAttributePages& Pages() { return *Peek(*Form).AttributePages; }
  QTreeWidgetItem* Root() { return Form->tvBeanTree->topLevelItem(0); }
  QTreeWidgetItem* Property() { return Root()->child(0); }
  bool Marked(QTreeWidgetItem* Node) {
    return Image(Node->icon(0)) != Image(Peek(*Form).ilInfoView.Icon(AsNode(Node)->ImageIndex));
  }

 private slots:
  void init() { StartWindow("c.jsb", Component); }
  void cleanup() { StopWindow(); }

  // Typing marks the field and the node at once; a value that breaks its
  // neighbours marks them, and mending it takes every mark away.
  void fieldsAndNodesFollowTheValues() {
    Form->tvBeanTree->setCurrentItem(Property());
    QLineEdit* DisplayField = Pages().Entry("fldPropertyDisplayName");
    QLineEdit* Short = Pages().Entry("fldPropertyShortDescription");
    QLineEdit* Write = Pages().Entry("fldPropertyWriteMethod");
    QComboBox* Type = Pages().Combo("fldPropertyType");
    QVERIFY(!Marked(Property()));
    DisplayField->setText("say \"hi\" now");
    QCOMPARE(FieldWarning(DisplayField), Quote);
    QCOMPARE(DisplayField->toolTip(), Quote);
    QVERIFY(Marked(Property()));
    QCOMPARE(Property()->toolTip(0), "Display name: " + Quote);
    QVERIFY(!Marked(Root()));

    DisplayField->setText("say hi now");
    Short->setText("a ISBOUND");  // on the tag's last line
    QCOMPARE(FieldWarning(DisplayField), QString());
    QCOMPARE(FieldWarning(Short),
             "'ISBOUND' in the value reads as an attribute of its own: Bound will be set");
    Write->setText("setWidth");  // now a line follows it
    QCOMPARE(FieldWarning(Short), QString());
    Type->setEditText("a>b");
    QVERIFY(FieldWarning(Type).startsWith("A '>' ends the tag early"));
    Type->setEditText("number");
    QVERIFY(!Marked(Property()));
    QCOMPARE(Property()->toolTip(0), QString());
    // A caption the tree cuts short is whole in the tool tip.
    const QString Long = QString("a_very_long_property_name_").repeated(8);
    Pages().Entry("fldPropertyName")->setText(Long);
    QCOMPARE(Property()->text(0), Long);
    QCOMPARE(Property()->toolTip(0), Long);
    Type->setEditText("a>b");
    QVERIFY(Property()->toolTip(0).startsWith(Long + "\n"));
    QVERIFY(Property()->toolTip(0).contains("\nType: A '>' ends the tag early"));
    Type->setEditText("number");

    // The component's own values mark the root.
    Form->tvBeanTree->setCurrentItem(Root());
    QLineEdit* Name = Pages().Entry("fldDescriptorName");
    Name->setText("c<JSB_EVENT");
    QVERIFY(FieldWarning(Name).endsWith("the file will gain an extra event"));
    QVERIFY(Marked(Root()));
  }

  // A file that already holds such a value shows it as soon as it opens.
  void openingMarksTheNodes() {
    WriteBytes(Path(), "<JSB><JSB_DESCRIPTOR NAME=a\"b><JSB_PROPERTY NAME=p>");
    Form->LoadFile(Path());
    QVERIFY(Marked(Root()));
    QVERIFY(!Marked(Property()));
    QVERIFY(FieldWarning(Pages().Entry("fldDescriptorName"))
                .startsWith("A double quote ends the value early"));
  }

  // Saving asks only when a value would change; Cancel abandons the save, and
  // the command whose prompt asked for it, losing nothing.
  void saveAsksOnlyWhenNeeded_data() {
    QTest::addColumn<QString>("Value");
    QTest::addColumn<bool>("SaveAnyway");
    QTest::addColumn<bool>("Asks");
    QTest::addColumn<bool>("Saved");
    QTest::newRow("plain") << "say hi" << false << false << true;
    QTest::newRow("cancelled") << "say \"hi\" now" << false << true << false;
    QTest::newRow("saved anyway") << "say \"hi\" now" << true << true << true;
  }
  void saveAsksOnlyWhenNeeded() {
    QFETCH(QString, Value);
    QFETCH(bool, SaveAnyway);
    QFETCH(bool, Asks);
    QFETCH(bool, Saved);
    Script->SaveAnyway = {SaveAnyway};
    Peek(*Form).Factory->Document().SetText(Peek(*Form).Factory->Bean()->Properties().Items(0),
                                            "DISPLAYNAME", Value.toStdString());
    QCOMPARE(Form->FileSave(), Saved);
    QCOMPARE(Asked().size(), Asks ? 1 : 0);
    if (Asks)
      QCOMPARE(Asked().first(), Header +
                                    "\n\nproperty 'width', Display name: the file will keep only "
                                    "'say '");
    QCOMPARE(Form->DocumentChanged(), !Saved);
    QCOMPARE(ReadBytes(Path()).find(Value.toStdString()) != std::string::npos, Saved);

    // Close with its save prompt: Yes, then Cancel in the question, keeps all.
    Script->Answers = {mrYes};
    Script->Log.clear();
    Script->SaveAnyway = {false};
    Peek(*Form).Factory->Document().SetText(nullptr, "DISPLAYNAME", "1 > 0");
    QVERIFY(!Form->CloseFile());
    QCOMPARE(Asked().size(), 1);
    QVERIFY(Form->DocumentChanged());
    QCOMPARE(Peek(*Form).Factory->Bean()->DisplayName(), std::string("1 > 0"));
  }
};

QTEST_MAIN(ValueWarningsTest)
#include "valuewarnings_test.moc"
