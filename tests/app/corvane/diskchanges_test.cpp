// A file changed by another program while the window has it open: Save asks
// before overwriting, and activation reloads it, keeping the selected node.
#include <QAbstractButton>
#include <QMessageBox>
#include <QToolButton>
#include <QtTest>

#include "app/corvane/mainform.h"
#include "beans/beanfactory.h"
#include "widgets/hetreeview.h"
#include "widgets/messages.h"
#include "windowtest.h"

namespace {

// The clock component with these properties.
std::string Clock(const std::vector<std::string>& Properties, const std::string& Display = "") {
  std::string Text =
      "<JSB>\r\n   <JSB_DESCRIPTOR NAME=\"demo.Clock\" DISPLAYNAME=\"" + Display + "\">\r\n\r\n";
  for (const std::string& P : Properties)
    Text += "   <JSB_PROPERTY NAME=\"" + P + "\" TYPE=\"number\">\r\n\r\n";
  return Text +
         "   <JSB_CONSTRUCTOR>\r\nfunction f() {\r\n}\r\n\r\n   </JSB_CONSTRUCTOR>\r\n\r\n</JSB>";
}

}  // namespace

class DiskChangesTest : public QObject, TWindowFixture {
  Q_OBJECT

  QString File() const { return Path("clock.jsb"); }
  void EditDisplayName(const std::string& Value) {
    Peek(*Form).Factory->Document().SetText(nullptr, "DISPLAYNAME", Value);
  }
  std::string DisplayName() const { return Peek(*Form).Factory->Bean()->DisplayName(); }
  QTreeWidgetItem* Root() const { return Form->tvBeanTree->topLevelItem(0); }
  void Activate() {
    QEvent Event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(Form.get(), &Event);
    QCoreApplication::processEvents();
  }
  // The next Yes/No question is answered with the button of this caption.
  void Answer(const QString& Press) { Script->Answers = {Press == "&Yes" ? mrYes : mrNo}; }
  // The Yes/No questions asked so far.
  QStringList Questions() const { return Script->Logged("yesno"); }

 private slots:
  void init() { StartWindow("clock.jsb", Clock({"interval"})); }
  void cleanup() { StopWindow(); }

  void saveAsksBeforeOverwritingAChange_data() {
    QTest::addColumn<QByteArray>("External");  // null: the file is left alone
    QTest::addColumn<int>("Reply");
    QTest::addColumn<bool>("Asked");
    QTest::addColumn<bool>("Written");
    const QByteArray Changed = QByteArray::fromStdString(Clock({"interval", "theirs"}));
    const QByteArray Same = QByteArray::fromStdString(Clock({"interval"}));
    QTest::newRow("unchanged") << QByteArray() << 0 << false << true;
    QTest::newRow("same bytes written again") << Same << 0 << false << true;
    QTest::newRow("changed, yes") << Changed << int(mrYes) << true << true;
    QTest::newRow("changed, no") << Changed << int(mrNo) << true << false;
    QTest::newRow("changed, cancel") << Changed << int(mrCancel) << true << false;
  }
  void saveAsksBeforeOverwritingAChange() {
    QFETCH(QByteArray, External);
    QFETCH(int, Reply);
    QFETCH(bool, Asked);
    QFETCH(bool, Written);
    EditDisplayName("mine");
    if (!External.isNull()) WriteBytes(File(), External.toStdString());
    const std::string Before = ReadBytes(File());
    Script->Answers = {short(Reply)};
    QCOMPARE(Form->FileSave(), Written);
    const QString Question = "confirm:" + File() +
                             " has been changed by another program since it was opened. "
                             "Overwrite it?";
    QCOMPARE(Script->Log, Asked ? QStringList{Question} : QStringList());
    QCOMPARE(ReadBytes(File()).find("mine") != std::string::npos, Written);
    if (Written) {
      EditDisplayName("mine again");  // what we wrote ourselves is no change
      QVERIFY(Form->FileSave());
      QCOMPARE(Script->Log.size(), Asked ? 1 : 0);
      return;
    }
    QCOMPARE(ReadBytes(File()), Before);
    // The save prompt treats the refusal as a cancelled save.
    Script->Answers = {mrYes, mrNo};
    QVERIFY(!Form->CloseFile());
    QCOMPARE(Peek(*Form).CurrentFile, File());
    QCOMPARE(DisplayName(), std::string("mine"));
  }

  // The window becomes active again when Save's boxes close: that is no
  // occasion to offer a reload in the middle of the save, with real boxes
  // each answered by the button a person would press.
  void saveIsNotInterruptedByAReloadQuestion() {
    auto Watched = std::make_unique<TWatchedServices>(Form.get());
    QStringList Shown;
    Watched->OnRun = [&Shown](QDialog& Dialog) {
      auto* Box = qobject_cast<QMessageBox*>(&Dialog);
      QVERIFY(Box);
      Shown << Box->text().section(' ', 1, 7);
      QTimer::singleShot(100, Box, [Box] {
        for (QAbstractButton* Button : Box->buttons())
          if (Button->text() == "&Yes" || Button->text() == "Save Anyway") return Button->click();
      });
    };
    Form->SetServices(std::move(Watched));
    const TScopedMessageHandler Messages(Form.get());
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    EditDisplayName("say \"hi\"");
    WriteBytes(File(), Clock({"interval", "theirs"}));
    QVERIFY(Form->FileSave());
    QCOMPARE(Shown, QStringList({"has been changed by another program since",
                                 "values cannot be stored in a JSB"}));
    QVERIFY(ReadBytes(File()).find("say ") != std::string::npos);
    QVERIFY(!Form->DocumentChanged());
  }

  // Without unsaved changes the file is reloaded without a word; the selected
  // node stays selected where it still exists.
  void activationReloadsQuietlyKeepingTheSelection() {
    Form->tvBeanTree->setCurrentItem(Root()->child(0));
    WriteBytes(File(), Clock({"first", "interval"}, "theirs"));
    Activate();
    QCOMPARE(DisplayName(), std::string("theirs"));
    QCOMPARE(Root()->childCount(), 2);
    QCOMPARE(Form->tvBeanTree->currentItem(), Root()->child(1));
    QVERIFY(!Form->DocumentChanged());
    WriteBytes(File(), Clock({"first"}));
    Activate();
    QCOMPARE(Root()->childCount(), 1);
    QCOMPARE(Form->tvBeanTree->currentItem(), Root());
    QVERIFY(Script->Log.isEmpty());
    QVERIFY(Questions().isEmpty());
  }

  // A file that is no JSB file any more leaves exactly the no-document state;
  // a file gone is told of once, and the work counts as unsaved.
  void aFileTurnedInvalidOrGoneLeavesNoStaleState() {
    QFile::remove(File());
    Activate();
    Activate();
    QCOMPARE(Script->Logged("info"),
             QStringList{File() + " no longer exists. Save will create it again."});
    QVERIFY(Form->DocumentChanged());
    QCOMPARE(Root()->text(0), QString("demo.Clock"));
    Script->Log.clear();
    WriteBytes(File(), "not a component");
    Peek(*Form).Factory->Document().SetModified(false);
    Activate();
    QCOMPARE(Script->Logged("info").size(), 1);  // the reader's notice
    QCOMPARE(Form->tvBeanTree->topLevelItemCount(), 0);
    QVERIFY(!Peek(*Form).Button("sbNewProperty")->isEnabled());
    QCOMPARE(Form->CurrentAttributePage(), QString("Blank"));
  }

  // With unsaved changes it asks; No keeps the user's version and stands
  // until the file changes again.
  void unsavedWorkIsReloadedOnlyOnYes() {
    EditDisplayName("mine");
    WriteBytes(File(), Clock({"interval"}, "theirs"));
    Answer("&No");
    Activate();
    Activate();
    QCOMPARE(Questions(), QStringList{File() + " has been changed by another program. Reload it "
                                               "and lose your changes?"});
    QCOMPARE(DisplayName(), std::string("mine"));
    QVERIFY(Form->DocumentChanged());
    WriteBytes(File(), Clock({"interval"}, "theirs again"));
    Answer("&Yes");
    Activate();
    QCOMPARE(Questions().size(), 2);
    QCOMPARE(DisplayName(), std::string("theirs again"));
    QVERIFY(!Form->DocumentChanged());
  }
};

QTEST_MAIN(DiskChangesTest)
#include "diskchanges_test.moc"
