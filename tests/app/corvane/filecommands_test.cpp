// The file commands through their document states, with every question,
// dialog and message answered by the script.
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include <Qsci/qsciscintilla.h>
#include <QLineEdit>

#include "app/corvane/attributepages.h"
#include "app/corvane/mainform.h"
#include "app/corvane/recentfiles.h"
#include "beans/beanfactory.h"
#include "beans/uitext.h"
#include "editor/ledit.h"
#include "tests/support/fullstorage.h"
#include "widgets/extpagecontrol.h"
#include "widgets/hetreeview.h"
#include "windowtest.h"

namespace {

// Drops files on the window as the desktop would: enter, then drop.
void Drop(QWidget* Window, const QStringList& Paths) {
  QMimeData Data;
  QList<QUrl> Urls;
  for (const QString& P : Paths)
    Urls << QUrl::fromEncoded("file://" +
                              QByteArray::fromStdString(FileNameBytes(P)).toPercentEncoding("/"));
  Data.setUrls(Urls);
  QDragEnterEvent Enter(QPoint(10, 10), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Window, &Enter);
  QDropEvent DropEvent(QPointF(10, 10), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Window, &DropEvent);
  for (int Round = 0; Round < 3; ++Round)
    QCoreApplication::processEvents();
}

}  // namespace

class FileCommandsTest : public QObject, TWindowFixture {
  Q_OBJECT

  // A window with the clock file open, as a named, unchanged document.
  void OpenClock() {
    WriteBytes(Path("clock.jsb"), ClockComponent);
    Form->LoadFile(Path("clock.jsb"));
  }
  void Touch() { Peek(*Form).Factory->Bean()->SetDisplayName("changed"); }
  bool NoDocument() {
    return Peek(*Form).CurrentFile.isEmpty() && Form->windowTitle() == "Corvane" &&
           Form->tvBeanTree->topLevelItemCount() == 0 && Form->LEdit1->isHidden() &&
           Form->CurrentAttributePage() == "Blank";
  }

 private slots:
  void init() {
    StartWindow();
    QDir::setCurrent(Folder->path());
  }
  void cleanup() { StopWindow(); }

  void openingAFileNamesTheDocument() {
    OpenClock();
    QCOMPARE(Form->windowTitle(), QString("Corvane - clock.jsb"));
    QVERIFY(!Form->DocumentChanged());
    QCOMPARE(Form->LEdit1->Text(), QString("function demo_Clock( params ) {\r\n}"));
    QVERIFY(Peek(*Form).Button("sbNewProperty")->isEnabled());
  }

  void unreadableAndInvalidFilesLeaveNoDocument() {
    OpenClock();
    Form->LoadFile(Path("missing.jsb"));
    QCOMPARE(Script->Log.last(), "error:Cannot open file " + Path("missing.jsb"));
    QVERIFY(NoDocument());
    WriteBytes(Path("plain.jsb"), "just text");
    Form->LoadFile(Path("plain.jsb"));
    QCOMPARE(Script->Log.last(),
             "info:" + Path("plain.jsb") +
                 " is not a valid JavaScript BeanInfo file. No <JSB> tag found.");
    QVERIFY(NoDocument());
    QCOMPARE(Peek(*Form).Factory->Bean()->Name(), std::string("untitled"));
  }

  void openAndSaveWritesWhatJsbtoolWrites() {
    WriteBytes(Path("slides.jsb"), ReadBytes(QString(CORVANE_EXAMPLES) + "/slideshow.jsb"));
    Form->LoadFile(Path("slides.jsb"));
    Peek(*Form).Factory->Bean()->SetModified(true);
    QVERIFY(Form->FileSave());
    QProcess Dump;
    Dump.start(CORVANE_JSBTOOL, {"dump", Path("slides.jsb")});
    QVERIFY(Dump.waitForFinished(20000));
    WriteBytes(Path("model.json"), Dump.readAllStandardOutput().toStdString());
    QCOMPARE(QProcess::execute(CORVANE_JSBTOOL, {"write", Path("model.json"), Path("tool.jsb")}),
             0);
    QCOMPARE(ReadBytes(Path("slides.jsb")), ReadBytes(Path("tool.jsb")));
    QCOMPARE(ReadBytes(Path("slides.jsb")),
             ReadBytes(QString(CORVANE_EXAMPLES) + "/slideshow.jsb"));
    QVERIFY(!Form->DocumentChanged());
  }

  void saveAsAddsTheExtensionAndAsksBeforeOverwriting() {
    OpenClock();
    Script->SavePaths = {Path("comp")};
    QVERIFY(Form->FileSaveAs());
    QVERIFY(QFile::exists(Path("comp.jsb")));
    QCOMPARE(Form->windowTitle(), QString("Corvane - comp.jsb"));
    Script->SavePaths = {Path("comp.txt")};
    QVERIFY(Form->FileSaveAs());
    QVERIFY(QFile::exists(Path("comp.txt")));
    WriteBytes(Path("old.jsb"), "old");
    for (short Answer : {mrNo, mrCancel}) {
      Script->SavePaths = {Path("old.jsb")};
      Script->Answers = {Answer};
      QVERIFY(!Form->FileSaveAs());
      QCOMPARE(Script->Log.last(), "confirm:OK to overwrite " + Path("old.jsb"));
      QCOMPARE(ReadBytes(Path("old.jsb")), std::string("old"));
      QCOMPARE(Form->windowTitle(), QString("Corvane - comp.txt"));
    }
  }

  void newComponentIsUntitledUntilSaved() {
    Script->Names = {"a.B"};
    Form->miNewClick();
    QCOMPARE(Form->windowTitle(), QString("Corvane - untitled"));
    QVERIFY(Form->DocumentChanged());
    Script->SavePaths = {QString()};  // Save shows Save As; cancel it
    QVERIFY(!Form->FileSave());
    QCOMPARE(Form->windowTitle(), QString("Corvane - untitled"));
    QVERIFY(Form->DocumentChanged());
    Script->SavePaths = {Path("b")};
    QVERIFY(Form->FileSave());
    QCOMPARE(Peek(*Form).CurrentFile, Path("b.jsb"));
    QVERIFY(!Form->DocumentChanged());
  }

  void closeAsksOnlyAboutChanges() {
    OpenClock();
    QVERIFY(Form->CloseFile());
    QVERIFY(NoDocument());
    QVERIFY(!Peek(*Form).Button("sbNewProperty")->isEnabled());
    QVERIFY(!Script->Log.join("|").contains("confirm:"));
    // The closed component is still held, but without a tree nothing adds to it.
    QVERIFY(!Peek(*Form).Factory->AddDescriptor(dkProperty));
    QCOMPARE(Peek(*Form).Factory->Bean()->Properties().Count(), 1);
    OpenClock();
    Touch();
    Script->Answers = {mrCancel};
    QVERIFY(!Form->CloseFile());
    QCOMPARE(Script->Log.last(), QString("confirm:Save changes to Corvane - clock.jsb?"));
    QCOMPARE(Form->windowTitle(), QString("Corvane - clock.jsb"));
    Script->Answers = {mrNo};
    QVERIFY(Form->CloseFile());
    QVERIFY(NoDocument());
    QCOMPARE(ReadBytes(Path("clock.jsb")), std::string(ClockComponent));  // nothing was saved
  }

  // The save prompt and the overwrite question are the window's: they go to
  // the services it was given, whoever answers the program's messages.
  void theWindowsQuestionsGoToItsOwnServices() {
    OpenClock();
    TScript Program;  // now the program's message handler
    Touch();
    Script->SavePaths = {Path("clock.jsb")};
    Script->Answers = {mrNo};
    QVERIFY(!Form->FileSaveAs());
    Script->Answers = {mrNo};
    QVERIFY(Form->CloseFile());
    QCOMPARE(Script->Logged("confirm"), QStringList({"OK to overwrite " + Path("clock.jsb"),
                                                     "Save changes to Corvane - clock.jsb?"}));
    QCOMPARE(Program.Log, QStringList());
  }

  void editorChangesCountToo() {
    OpenClock();
    Form->LEdit1->AppendText("// more");
    QVERIFY(Form->DocumentChanged());
    Script->Answers = {mrYes};
    QVERIFY(Form->CloseFile());
    QVERIFY(ReadBytes(Path("clock.jsb")).find("// more") != std::string::npos);
  }

  void openCancelledInThePromptKeepsTheOldDocument() {
    OpenClock();
    Touch();
    WriteBytes(Path("other.jsb"), "<JSB><JSB_DESCRIPTOR NAME=\"other\">");
    Script->OpenPaths = {Path("other.jsb")};
    Script->Answers = {mrCancel};
    Form->Open2Click();
    QCOMPARE(Form->windowTitle(), QString("Corvane - clock.jsb"));
    QCOMPARE(Peek(*Form).Factory->Bean()->DisplayName(), std::string("changed"));
    Script->OpenPaths = {Path("other.jsb")};
    Script->Answers = {mrNo};
    Form->Open2Click();
    QCOMPARE(Form->windowTitle(), QString("Corvane - other.jsb"));
    QCOMPARE(QDir::currentPath(), QDir(Folder->path()).canonicalPath());
  }

  void newAnsweredNoThenCancelledLeavesNoDocument() {
    OpenClock();
    Touch();
    Script->Answers = {mrNo};
    Script->Names = {QString()};
    Form->miNewClick();
    QVERIFY(NoDocument());
    QVERIFY(!Peek(*Form).Factory->Bean());
    Form->AddDescriptorCommand(dkProperty);  // must find no component and do nothing
    QVERIFY(!Form->FileSaveAs());            // nothing open: nothing to save
  }

  void yesThenCancelledSaveAsAbandonsTheCommand() {
    Script->Names = {"n"};
    Form->miNewClick();
    Script->Answers = {mrYes};
    Script->SavePaths = {QString()};
    QVERIFY(!Form->CloseFile());
    QCOMPARE(Form->windowTitle(), QString("Corvane - untitled"));
    QVERIFY(Peek(*Form).Factory->Bean());
    QVERIFY(Form->DocumentChanged());
  }

  void failedSaveInThePromptKeepsTheWindowOpen() {
    OpenClock();
    Touch();
    QFile::remove(Path("clock.jsb"));
    QDir().mkpath(Path("clock.jsb"));  // a folder where the file was: it cannot be written
    Script->Answers = {mrYes};
    QVERIFY(!Form->close());
    QVERIFY(Form->isVisible());
    QCOMPARE(Script->Log.last(), "error:Cannot create file " + Path("clock.jsb"));
    QCOMPARE(Form->windowTitle(), QString("Corvane - clock.jsb"));
    QVERIFY(Form->DocumentChanged());
    Script->Answers = {mrNo};
    QVERIFY(Form->close());
  }

  // A write that fails part-way (here past the file-size limit, as on a full
  // disk) is reported and changes neither the file nor the document's state.
  void failedWriteChangesNothing() {
    OpenClock();
    Touch();
    Form->LEdit1->SetText(QString(100000, 'x'));
    TWriteLimit Limit(4096);
    QVERIFY(!Form->FileSave());
    QCOMPARE(Script->Log.last(),
             "error:Stream write error\n" + Path("clock.jsb") + ": File too large");
    Script->SavePaths = {Path("other.jsb")};
    QVERIFY(!Form->FileSaveAs());
    QCOMPARE(ReadBytes(Path("clock.jsb")), std::string(ClockComponent));
    QCOMPARE(QDir(Folder->path()).entryList(QDir::Files | QDir::Hidden), {"clock.jsb"});
    QCOMPARE(Peek(*Form).CurrentFile, Path("clock.jsb"));
    QCOMPARE(Form->windowTitle(), QString("Corvane - clock.jsb"));
    QVERIFY(Form->DocumentChanged());
  }

  // A name typed in the tree but not yet confirmed reaches the document
  // before any command that reads or replaces it.
  void pendingRenameGoesThroughFirst_data() {
    QTest::addColumn<QString>("Command");
    QTest::newRow("toolbar save") << "save";
    QTest::newRow("page switch") << "page";
    QTest::newRow("close, saving") << "close";
  }
  void pendingRenameGoesThroughFirst() {
    QFETCH(QString, Command);
    OpenClock();
    Form->AddDescriptorCommand(dkProperty);
    auto* Editor = Form->tvBeanTree->viewport()->findChild<QLineEdit*>();
    QVERIFY(Editor);
    Editor->setText("pending");
    Script->Answers = {mrYes};
    if (Command == "save") Peek(*Form).Button("sbFileSave")->click();
    if (Command == "page") Peek(*Form).PageControl->SetActivePage(Peek(*Form).tsConstructorView);
    if (Command == "close") Peek(*Form).Action("Close1")->trigger();
    QVERIFY(!Form->tvBeanTree->EndEditing());  // no edit is left open
    if (Command == "page")
      QCOMPARE(Peek(*Form).Factory->Bean()->Properties().Items(1)->Name(), std::string("pending"));
    else
      QVERIFY(ReadBytes(Path("clock.jsb")).find("NAME=\"pending\"") != std::string::npos);
  }

  void latin1FilesKeepTheirEncodingUntilTextNeedsMore() {
    WriteBytes(Path("latin.jsb"),
               "<JSB><JSB_DESCRIPTOR NAME=\"caf\xe9\"><JSB_CONSTRUCTOR>\r\n"
               "// \xe0 bient\xf4t\r\n\r\n   </JSB_CONSTRUCTOR>");
    Form->LoadFile(Path("latin.jsb"));
    QCOMPARE(Form->tvBeanTree->topLevelItem(0)->text(0), QString::fromUtf8("caf\xc3\xa9"));
    Peek(*Form).Factory->Bean()->SetModified(true);
    QVERIFY(Form->FileSave());
    QVERIFY(ReadBytes(Path("latin.jsb")).find("NAME=\"caf\xe9\"") !=
            std::string::npos);  // still Latin-1
    // A character Latin-1 cannot hold turns the whole document into UTF-8.
    Form->tvBeanTree->setCurrentItem(Form->tvBeanTree->topLevelItem(0));
    Peek(*Form)
        .AttributePages->Entry("fldDescriptorDisplayName")
        ->setText(QString::fromUtf8("\xe2\x82\xac"));
    QVERIFY(Form->FileSave());
    const std::string Saved = ReadBytes(Path("latin.jsb"));
    QVERIFY(Saved.find("NAME=\"caf\xc3\xa9\"") != std::string::npos);
    QVERIFY(Saved.find("DISPLAYNAME=\"\xe2\x82\xac\"") != std::string::npos);
    QVERIFY(Saved.find("// \xc3\xa0 bient\xc3\xb4t") != std::string::npos);
  }

  // The File menu's keys run their commands even with the focus in the
  // source editor, which would otherwise take some of them.
  void fileKeysWorkFromTheEditor() {
    const auto EditorOfClock = [this] {
      OpenClock();
      Peek(*Form).PageControl->SetActivePage(Peek(*Form).tsConstructorView);
      Form->activateWindow();
      Form->LEdit1->Scintilla()->setFocus();
      return static_cast<QWidget*>(Form->LEdit1->Scintilla());
    };
    QWidget* Editor = EditorOfClock();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    QTest::keyClick(Editor, Qt::Key_Q);
    QTest::keyClick(Editor, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!Form->DocumentChanged());
    QVERIFY(ReadBytes(Path("clock.jsb")).find('q') != std::string::npos);
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QString> Asked[] = {
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "save:<cancel>"},
        {Qt::Key_O, Qt::ControlModifier, "open:<cancel>"},
        {Qt::Key_N, Qt::ControlModifier, "new:<cancel>"},  // closes the document first
    };
    for (const auto& [Key, Modifiers, Entry] : Asked) {
      Script->Log.clear();
      QTest::keyClick(Editor, Key, Modifiers);
      QCOMPARE(Script->Log.value(0), Entry);
    }
    Editor = EditorOfClock();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));  // back from the dialog
    QVERIFY(!NoDocument());
    QTest::keyClick(Editor, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(NoDocument());
    QTest::keyClick(Form.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!Form->isVisible());
  }

  // A name that is not UTF-8 opens from a drop and from the command line, and
  // shows U+FFFD in the title only.
  void namesThatAreNotUtf8Open() {
    const std::string Bytes = Folder->path().toStdString() + "/b\xff\xfe.jsb";
    const QString Name = Path(QStringView(u"b\xDCFF\xDCFE.jsb").toString());
    std::ofstream(Bytes, std::ios::binary) << ClockComponent;
    Drop(Form.get(), {Name});
    QCOMPARE(Peek(*Form).CurrentFile, Name);
    Form.reset();
    Form = std::make_unique<TMainForm>(QStringList{Name});
    Script->Serve(*Form);
    Form->show();
    QCOMPARE(Form->windowTitle(), QString("Corvane - b\uFFFD\uFFFD.jsb"));
    QVERIFY(Form->File().Opened().Exists);
    std::filesystem::remove(Bytes);  // which QTemporaryDir cannot do
  }

  void droppedFilesOpenAfterThePrompt() {
    WriteBytes(Path("a.txt"), "x");
    WriteBytes(Path("B.JSB"), "<JSB><JSB_DESCRIPTOR NAME=\"b\">");
    WriteBytes(Path("my.comp.jsb"), "<JSB><JSB_DESCRIPTOR NAME=\"m\">");
    Drop(Form.get(), {Path("a.txt"), Path("B.JSB")});
    QCOMPARE(Form->windowTitle(), QString("Corvane - B.JSB"));
    Drop(Form.get(), {Path("my.comp.jsb")});  // its extension is comp.jsb: nothing opens
    QCOMPARE(Form->windowTitle(), QString("Corvane - B.JSB"));
    Touch();
    Script->Answers = {mrCancel};
    OpenClock();  // reopens clock without a prompt, as opening from code does
    Touch();
    Script->Answers = {mrCancel};
    Drop(Form.get(), {Path("B.JSB")});
    QCOMPARE(Form->windowTitle(), QString("Corvane - clock.jsb"));  // Cancel drops nothing
    QCOMPARE(Peek(*Form).Factory->Bean()->DisplayName(), std::string("changed"));
    Script->Answers = {mrNo};
    Drop(Form.get(), {Path("B.JSB")});
    QCOMPARE(Form->windowTitle(), QString("Corvane - B.JSB"));
  }

  // Opening and saving put the file on the desktop's list once, counted
  // twice; files in the temporary folder stay off it.
  void openAndSaveGoOnTheRecentList() {
    const QString List = qEnvironmentVariable("XDG_DATA_HOME") + "/recently-used.xbel";
    QFile::remove(List);
    OpenClock();  // in the temporary folder
    QVERIFY(Form->FileSave());
    Form->File().Recent().Flush();
    QVERIFY(!QFile::exists(List));
    const QByteArray Temporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(Path("elsewhere")));
    Form = std::make_unique<TMainForm>();  // takes the temporary folder as it is made
    qputenv("TMPDIR", Temporary);
    Script->Serve(*Form);
    OpenClock();
    QVERIFY(Form->FileSave());
    Form->File().Recent().Flush();
    const QString Text = QString::fromUtf8(ReadBytes(List));
    QCOMPARE(Text.count("<bookmark href=\"" + FileUri(Path("clock.jsb")) + "\""), 1);
    QVERIFY(Text.contains("name=\"Corvane\" exec=\"'corvane %f'\""));
    QVERIFY(Text.contains("count=\"2\""));
  }
};

QTEST_MAIN(FileCommandsTest)
#include "filecommands_test.moc"
