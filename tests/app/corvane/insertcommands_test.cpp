// The Insert menu: tag pairs around the selection, and Insert File.
#include <QAction>
#include <QtTest>

#include "app/corvane/mainform.h"
#include "editor/ledit.h"
#include "editor/settingsstore.h"
#include "widgets/extpagecontrol.h"
#include "windowtest.h"

class InsertCommandsTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  QTemporaryDir Dir;
  std::unique_ptr<TMainForm> Form;

  TLEdit& Editor() { return *Form->LEdit1; }
  void Select(int StartLine, int StartPos, int EndLine, int EndPos) {
    Editor().StartLine = StartLine, Editor().StartPos = StartPos;
    Editor().EndLine = EndLine, Editor().EndPos = EndPos;
    Editor().SetSelection();
  }
  QString Selection() {
    Editor().GetSelection();
    return QString("%1,%2-%3,%4")
        .arg(Editor().StartLine)
        .arg(Editor().StartPos)
        .arg(Editor().EndLine)
        .arg(Editor().EndPos);
  }
  QString Path(const char* Name) const { return Dir.filePath(Name); }

 private slots:
  void init() {
    Form = SourceViewForm();
    WriteSetting(srCurrentUser, EditorSettingsKey, "TabStopSize", 2);
  }
  void cleanup() {
    Form.reset();
    ClearUserSettings();
  }

  void tagsWrapTheSelection_data() {
    QTest::addColumn<QString>("Command");  // a menu entry, or a tag name
    QTest::addColumn<QString>("Before");   // selection as line,col-line,col
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("After");
    QTest::newRow("heading 2 on a word") << "miHeading2"
                                         << "1,4-1,8"
                                         << "abc <H2>word</H2> two\r\nend"
                                         << "1,8-1,8";
    QTest::newRow("line break") << "miLineBreak"
                                << "1,4-1,8"
                                << "abc <BR>word two\r\nend"
                                << "1,8-1,8";
    QTest::newRow("caret") << "miHorizontalLine"
                           << "1,0-1,0"
                           << "<HR>abc word two\r\nend"
                           << "1,4-1,4";
    QTest::newRow("two lines") << "miFormattedParagraph"
                               << "1,9-2,2"
                               << "abc word <PRE>two\r\nen</PRE>d"
                               << "1,14-2,9";  // column 14 of the last line is past its end
    QTest::newRow("bold by name") << "Bold"
                                  << "1,4-1,8"
                                  << "abc <STRONG>word</STRONG> two\r\nend"
                                  << "1,12-1,12";
    QTest::newRow("definition by name") << "Definition"
                                        << "1,0-1,3"
                                        << "<DL>abc</DL> word two\r\nend"
                                        << "1,4-1,4";
    QTest::newRow("unknown name") << "bold"
                                  << "1,4-1,8"
                                  << "abc word two\r\nend"
                                  << "1,4-1,8";
  }
  void tagsWrapTheSelection() {
    QFETCH(QString, Command);
    QFETCH(QString, Before);
    QFETCH(QString, Text);
    QFETCH(QString, After);
    Editor().SetText("abc word two\r\nend");
    const QList<int> At = [&] {
      QList<int> N;
      for (const QString& Part : Before.split(QRegularExpression("[,-]")))
        N << Part.toInt();
      return N;
    }();
    Select(At[0], At[1], At[2], At[3]);
    if (QAction* Entry = Peek(*Form).Action(Command))
      Entry->trigger();
    else
      Form->InsertTag(Command);
    QCOMPARE(Editor().Text(), Text);
    QCOMPARE(Selection(), After);
  }

  void everyEntryInsertsItsTag() {
    const std::pair<const char*, const char*> Entries[] = {
        {"miHeading1", "<H1></H1>"},
        {"miHeading6", "<H6></H6>"},
        {"miBulletedList", "<UL></UL>"},
        {"miNumberedList", "<OL></OL>"},
        {"miDirectoryList", "<DIR></DIR>"},
        {"miMenuList", "<MENU></MENU>"},
        {"miNormalParagraph", "<P></P>"},
        {"miFormattedParagraph", "<PRE></PRE>"},
        {"miAddressParagraph", "<ADDRESS></ADDRESS>"},
    };
    for (const auto& [Name, Inserted] : Entries) {
      Editor().SetText("");
      Peek(*Form).Action(Name)->trigger();
      QCOMPARE(Editor().Text(), QString(Inserted));
    }
  }

  void insertFileReadsLikeAJSBFile() {
    TScript Script;
    Script.Serve(*Form);
    WriteBytes(Path("plain.htm"), "one\ntwo");  // no final line break
    WriteBytes(Path("latin.htm"), "caf\xe9\r");
    WriteBytes(Path("empty.htm"), "");
    Script.InsertPaths = {Path("plain.htm"), Path("latin.htm"), Path("empty.htm"), QString()};
    Editor().SetText("[]");
    Select(1, 1, 1, 1);
    for (int I = 0; I < 4; ++I)
      Peek(*Form).Action("miInsertFile")->trigger();
    QCOMPARE(Editor().Text(), QString("[one\r\ntwo\r\ncaf\u00e9\r\n]"));
    QCOMPARE(Script.Log.size(), 4);  // the four dialogs, no message
  }

  void unopenableFileInsertsNothingButSubstitutesTabs() {
    TScript Script;
    Script.Serve(*Form);
    Script.InsertPaths = {Path("missing.htm")};
    Editor().SetText("\ta");
    Peek(*Form).Action("miInsertFile")->trigger();
    QCOMPARE(Editor().Text(), QString("  a"));
    QCOMPARE(Script.Log, QStringList{"insert:" + Path("missing.htm")});
  }

  void readErrorIsReportedAndInsertsNothing() {
    if (!QFileInfo::exists("/proc/self/mem"))
      QSKIP("needs /proc mounted: no file here fails while being read");
    TScript Script;
    Script.Serve(*Form);
    Script.InsertPaths = {"/proc/self/mem"};  // opens, then every read fails
    Editor().SetText("\ta");
    Peek(*Form).Action("miInsertFile")->trigger();
    QCOMPARE(Editor().Text(), QString("\ta"));
    QCOMPARE(Script.Log.size(), 2);
    QVERIFY(Script.Log[1].startsWith("error:Stream read error\n/proc/self/mem"));
  }

  void textLatin1CannotHoldMakesTheDocumentUTF8() {
    TScript Script;
    Script.Serve(*Form);
    WriteBytes(Path("latin.jsb"), "<JSB>\r\n<JSB_DESCRIPTOR NAME=\"caf\xe9\">\r\n</JSB>\r\n");
    WriteBytes(Path("euro.htm"), "\xe2\x82\xac");
    Form->LoadFile(Path("latin.jsb"));
    Script.InsertPaths = {Path("euro.htm")};
    Peek(*Form).Action("miInsertFile")->trigger();
    QVERIFY(Form->FileSave());
    const std::string Saved = ReadBytes(Path("latin.jsb"));
    QVERIFY(Saved.find("NAME=\"caf\xc3\xa9\"") != std::string::npos);
    QVERIFY(Saved.find("\xe2\x82\xac\r\n") != std::string::npos);
  }
};

QTEST_MAIN(InsertCommandsTest)
#include "insertcommands_test.moc"
