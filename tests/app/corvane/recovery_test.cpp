// Recovery copies: the store on its own, the window keeping its copy in step
// with unsaved work, and the offer at the start after a process was killed.
#include <unistd.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

#include "app/corvane/mainform.h"
#include "app/corvane/recoverystore.h"
#include "app/corvane/recoverywriter.h"
#include "beans/beanfactory.h"
#include "beans/jsbwriter.h"
#include "beans/modeljson.h"
#include "beans/uitext.h"
#include "editor/ledit.h"
#include "widgets/hetreeview.h"
#include "windowtest.h"

namespace {

const char* const ChildSwitch = "--edit-and-wait";
const char* const TypistSwitch = "--type-every-2s";
const char* const EditedConstructor = "function demo_Clock( params ) {\r\n  this.tick = 1;\r\n}";

// The edits a session makes before it is killed: a new property, a display
// name and a changed constructor.
void Edit(TMainForm& Form) {
  TJSBDocument& Document = Peek(Form).Factory->Document();
  Document.Rename(Document.AddItem(dkProperty), "alarm");
  Document.SetText(nullptr, "DISPLAYNAME", "Alarm clock");
  Form.LEdit1->SetText(EditedConstructor);
}

QStringList CopiesIn(const QString& Folder) {
  return QDir(Folder).entryList({"*.recovery"}, QDir::Files);
}

// The recovery offers the script was asked, in order.
QStringList Offers(const TScript& Script) {
  return Script.Logged("recovery");
}

// The child session: opens the file, edits it and waits to be killed.
int RunChild(const QString& File) {
  const QByteArray DataHome = qgetenv("XDG_DATA_HOME");  // the parent's
  TTestStore Settings;
  qputenv("XDG_DATA_HOME", DataHome);
  TMainForm Form;
  Form.File().RecoveryDelay = 10;
  Form.show();
  Form.LoadFile(File);
  Edit(Form);
  return QApplication::exec();
}

// The typing child: a change every 2 s, each one's number on a line of its
// own, with the copy's delays as the program has them.
int RunTypist(const QString& File) {
  const QByteArray DataHome = qgetenv("XDG_DATA_HOME");
  TTestStore Settings;
  qputenv("XDG_DATA_HOME", DataHome);
  TMainForm Form;
  Form.show();
  Form.LoadFile(File);
  int Typed = 0;
  QTimer Keys;
  QObject::connect(&Keys, &QTimer::timeout, [&] {
    Peek(Form).Factory->Document().SetText(nullptr, "DISPLAYNAME",
                                           "tick " + std::to_string(++Typed));
    std::printf("%d\n", Typed);
    std::fflush(stdout);
  });
  Keys.start(2000);
  return QApplication::exec();
}

// The window's document as a copy's model holds it.
std::string ModelOf(TMainForm& Form) {
  std::unique_ptr<TModelJsonBuilder> Builder = Peek(Form).Factory->ModelBuilder();
  while (!Builder->Step(1000)) {
  }
  std::string Text;
  for (const std::string& Block : std::move(*Builder).Finish())
    Text += Block;
  return Text;
}

// The number of the change a copy's text holds; 0 for none.
int TickIn(const std::string& Text) {
  const size_t At = Text.find("tick ");
  return At == std::string::npos ? 0 : std::atoi(Text.c_str() + At + 5);
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  std::unique_ptr<QTemporaryDir> Folder;
  std::unique_ptr<TScript> Script;
  QString Path(const QString& Name) const { return Folder->path() + "/" + Name; }
  static QString RecoveryFolder() { return TRecoveryStore::DefaultFolder(); }

 private slots:
  void init() {
    Folder = std::make_unique<QTemporaryDir>();
    Script = std::make_unique<TScript>();
    WriteBytes(Path("clock.jsb"), ClockComponent);
  }
  void cleanup() {
    Script.reset();
    QDir(RecoveryFolder()).removeRecursively();
  }

  void copiesKeepTheirFileNameAndBytes_data() {
    QTest::addColumn<QString>("FileName");
    QTest::addColumn<QByteArray>("Text");
    QTest::addColumn<bool>("Stamped");
    QTest::addColumn<int>("Encoding");  // -1: an earlier version's copy, which records none
    QTest::newRow("unnamed") << QString() << QByteArray("<JSB>\r\n</JSB>") << false << 0;
    QTest::newRow("named") << "/home/a/clock.jsb" << QByteArray("<JSB>\n\n") << true << 1;
    QTest::newRow("line break and percent in the name")
        << "/tmp/a\nb%41.jsb" << QByteArray("x\r\ny") << true << -1;
    QTest::newRow("non-ASCII name, Latin-1 text")
        << QString::fromUtf8("/tmp/caf\xc3\xa9.jsb") << QByteArray("caf\xe9") << false << -1;
    QTest::newRow("empty text") << "a.jsb" << QByteArray() << true << 0;
    QTest::newRow("name not UTF-8")
        << FileNameText("/tmp/bad\xff\xfe.jsb") << QByteArray("x") << true << 0;
  }
  void copiesKeepTheirFileNameAndBytes() {
    QFETCH(QString, FileName);
    QFETCH(QByteArray, Text);
    QFETCH(bool, Stamped);
    QFETCH(int, Encoding);
    const TFileStamp Stamp =
        Stamped ? TFileStamp{true, 42, QDateTime::fromMSecsSinceEpoch(1700000000123), "\x01\xff"}
                : TFileStamp();
    const std::optional<TTextEncoding> Recorded =
        Encoding < 0 ? std::nullopt : std::optional(static_cast<TTextEncoding>(Encoding));
    const std::optional<TRecoveryCopy> Back = TRecoveryStore::Decode(
        TRecoveryStore::Encode({FileName, Text.toStdString(), Stamp, Recorded}));
    QVERIFY(Back);
    QCOMPARE(Back->FileName, FileName);
    QCOMPARE(QByteArray::fromStdString(Back->Text), Text);
    QVERIFY(Back->Opened == Stamp);
    QVERIFY(Back->Encoding == Recorded);
    QVERIFY(!Back->Damaged);
    // A copy of this version knows when its text was cut short or altered.
    const std::string Whole =
        TRecoveryStore::Encode({FileName, Text.toStdString(), Stamp, Recorded});
    if (Recorded && !Text.isEmpty()) {
      const std::optional<TRecoveryCopy> Cut =
          TRecoveryStore::Decode(Whole.substr(0, Whole.size() - 1));
      QVERIFY(Cut && Cut->Damaged);
      QCOMPARE(QByteArray::fromStdString(Cut->Text), Text.chopped(1));
      std::string Altered = Whole;
      Altered.back() ^= 1;
      QVERIFY(TRecoveryStore::Decode(Altered)->Damaged);
    }
    QVERIFY(!TRecoveryStore::Decode("Corvane recovery copy 2\nname\n-\nno encoding\ntext"));
    QVERIFY(!TRecoveryStore::Decode("<JSB></JSB>"));
    QVERIFY(!TRecoveryStore::Decode("Corvane recovery copy\nno name line end"));
    QVERIFY(!TRecoveryStore::Decode("Corvane recovery copy\nname\n12 bad\ntext"));
  }

  // Copies of live sessions are never claimed; a copy without a live lock
  // is, by one claimant at a time; a normal end leaves nothing behind.
  void onlyCopiesOfEndedSessionsAreClaimed() {
    const QString Dir = Path("store");
    auto First = std::make_unique<TRecoveryStore>(Dir);
    TRecoveryStore Second(Dir);
    First->Write({"a.jsb", "first", {}, TTextEncoding::Utf8});
    Second.Write({"", "second", {}, TTextEncoding::Utf8});
    QVERIFY(First->CopyPath() != Second.CopyPath());
    QVERIFY(First->ClaimStaleCopies().empty());
    QVERIFY(Second.ClaimStaleCopies().empty());
    const QString Left = Dir + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    WriteBytes(Left + ".recovery", TRecoveryStore::Encode({"left.jsb", "left", {}, std::nullopt}));
    {
      std::vector<TStaleCopy> Claimed = First->ClaimStaleCopies();
      QCOMPARE(Claimed.size(), size_t(1));
      QCOMPARE(Claimed[0].Read()->FileName, QString("left.jsb"));
      QVERIFY(Second.ClaimStaleCopies().empty());  // claimed meanwhile
    }
    std::vector<TStaleCopy> Again = Second.ClaimStaleCopies();
    QCOMPARE(Again.size(), size_t(1));
    Again[0].Discard();
    QVERIFY(!QFile::exists(Left + ".recovery"));
    First.reset();
    QCOMPARE(CopiesIn(Dir), QStringList{QFileInfo(Second.CopyPath()).fileName()});
    Second.Remove();
    QVERIFY(CopiesIn(Dir).isEmpty());
  }

  // The writer carries out the requests in order on its own thread, joining
  // a copy's blocks to its text; a write still waiting gives way to a newer
  // request, and its end finishes what was asked.
  void theWriterDoesWhatWasAskedLast() {
    TRecoveryStore Copies(Path("store"));
    const auto Text = [&] {
      return TRecoveryStore::Decode(ReadBytes(Copies.CopyPath())).value_or(TRecoveryCopy()).Text;
    };
    {
      TRecoveryWriter Writer(Copies);
      Writer.Write({"a.jsb", "<JSB>", {}, TTextEncoding::Utf8}, {"\r\n", "</JSB>"});
      Writer.Flush();
      QCOMPARE(Text(), std::string("<JSB>\r\n</JSB>"));
      for (int I = 0; I < 50; ++I)
        Writer.Write({"a.jsb", std::to_string(I), {}, TTextEncoding::Utf8});
      Writer.Remove();
      Writer.Flush();
      QVERIFY(!Copies.HasCopy());
      Writer.Write({"a.jsb", "last", {}, TTextEncoding::Utf8});
    }
    QCOMPARE(Text(), std::string("last"));
  }

  // The copy follows an edit, holds what Save would write, and goes when the
  // work is saved or dropped.
  void theWindowsCopyFollowsUnsavedWork() {
    for (const QString End : {"save", "close without saving"}) {
      TMainForm Form;
      Script->Serve(Form);
      Form.File().RecoveryDelay = 0;
      Form.show();
      Form.LoadFile(Path("clock.jsb"));
      QTest::qWait(20);
      QVERIFY(!Form.File().Recovery().HasCopy());
      Edit(Form);
      QTRY_VERIFY(Form.File().Recovery().HasCopy());
      const std::optional<TRecoveryCopy> Copy =
          TRecoveryStore::Decode(ReadBytes(Form.File().Recovery().CopyPath()));
      QVERIFY(Copy);
      QCOMPARE(Copy->FileName, Path("clock.jsb"));
      QVERIFY(Copy->Model && !Copy->Damaged);
      QCOMPARE(Copy->Text, ModelOf(Form));
      QVERIFY(QString::fromStdString(Copy->Text).contains("Alarm clock"));
      if (End == "save") {
        QVERIFY(Form.FileSave());
      } else {
        Script->Answers = {mrNo};
        QVERIFY(Form.CloseFile());
      }
      QVERIFY2(!Form.File().Recovery().HasCopy(), qPrintable(End));
      QTest::qWait(20);
      QVERIFY2(!Form.File().Recovery().HasCopy(), qPrintable(End));
    }
  }

  // A killed session's copy is offered before the file named on the command
  // line; Escape keeps it, Recover restores the work as a changed document.
  void aKilledSessionsWorkIsOfferedAndRecovered() {
    QProcess Child;
    Child.start(QCoreApplication::applicationFilePath(), {ChildSwitch, Path("clock.jsb")});
    QVERIFY(Child.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(CopiesIn(RecoveryFolder()).size() == 1, 30000);
    Child.kill();
    QVERIFY(Child.waitForFinished());
    {
      TMainForm Form;  // closing the offer keeps the copy
      Script->Serve(Form);
      Form.show();
      QCOMPARE(Offers(*Script),
               QStringList{"Corvane found unsaved changes to " + Path("clock.jsb") +
                           " from a session that ended unexpectedly."});
      QCOMPARE(Peek(Form).CurrentFile, QString());
    }
    QCOMPARE(CopiesIn(RecoveryFolder()).size(), 1);
    Script->Recoveries = {TRecoveryAnswer::Recover};
    Script->Answers = {mrCancel};  // the save prompt before the command-line file
    TMainForm Form({Path("other.jsb")});
    Script->Serve(Form);
    Form.show();
    QCOMPARE(Offers(*Script).size(), 2);
    QCOMPARE(Script->Log.last(), QString("confirm:Save changes to Corvane - clock.jsb?"));
    QCOMPARE(Peek(Form).CurrentFile, Path("clock.jsb"));
    QVERIFY(Form.File().Opened() == TFileStamp::Of(Path("clock.jsb")));
    QVERIFY(Form.DocumentChanged());
    QCOMPARE(Form.LEdit1->Text(), QString(EditedConstructor));
    QTreeWidgetItem* Root = Form.tvBeanTree->topLevelItem(0);
    QCOMPARE(Root->text(0), QString("demo.Clock"));
    QCOMPARE(Root->childCount(), 2);
    QCOMPARE(Root->child(1)->text(0), QString("alarm"));
    QCOMPARE(Peek(Form).Factory->Bean()->DisplayName(), std::string("Alarm clock"));
    // The recovered work has this session's copy; the killed one's is gone.
    QCOMPARE(CopiesIn(RecoveryFolder()),
             QStringList{QFileInfo(Form.File().Recovery().CopyPath()).fileName()});
    Script->Answers = {};
    QVERIFY(Form.FileSave());
    QVERIFY(ReadBytes(Path("clock.jsb")).find("Alarm clock") != std::string::npos);
    QVERIFY(CopiesIn(RecoveryFolder()).isEmpty());
  }

  // Changes that keep coming every 2 s still reach the copy: a session
  // killed after 20 s leaves work at most 5 s old.
  void aCopyKeepsUpWithChangesThatKeepComing() {
    QProcess Typist;
    Typist.start(QCoreApplication::applicationFilePath(), {TypistSwitch, Path("clock.jsb")});
    QVERIFY(Typist.waitForStarted());
    QTest::qWait(20000);
    Typist.kill();
    QVERIFY(Typist.waitForFinished());
    const QList<QByteArray> Typed = Typist.readAllStandardOutput().trimmed().split('\n');
    QVERIFY(Typed.size() >= 8);
    const QStringList Copies = CopiesIn(RecoveryFolder());
    QCOMPARE(Copies.size(), 1);
    const std::optional<TRecoveryCopy> Copy =
        TRecoveryStore::Decode(ReadBytes(RecoveryFolder() + "/" + Copies[0]));
    QVERIFY(Copy);
    // Changes come 2 s apart: work 5 s old is at most three changes behind.
    QVERIFY2(TickIn(Copy->Text) >= Typed.last().toInt() - 3,
             qPrintable(QString("copy holds change %1 of %2")
                            .arg(TickIn(Copy->Text))
                            .arg(QString(Typed.last()))));
  }

  // Recovering the file named on the command line opens the recovered work
  // with no save prompt; when its copy cannot be written, the old copy stays.
  void recoveredWorkOnTheFileNamedStaysAndItsCopyGoesLast() {
    const QString Left =
        RecoveryFolder() + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".recovery";
    QDir().mkpath(RecoveryFolder());
    std::string Edited = ClockComponent;
    Edited.replace(Edited.find("demo.Clock"), 10, "demo.Recovered");
    WriteBytes(Left,
               TRecoveryStore::Encode({Path("clock.jsb"), Edited, TFileStamp::Of(Path("clock.jsb")),
                                       TTextEncoding::Utf8}));
    Script->Recoveries = {TRecoveryAnswer::Recover};
    TMainForm Form({Path("clock.jsb")});
    Script->Serve(Form);
    QDir().mkpath(Form.File().Recovery().CopyPath());  // where its own copy would go
    Form.show();
    QVERIFY(Script->Logged("confirm").isEmpty());
    QCOMPARE(Form.tvBeanTree->topLevelItem(0)->text(0), QString("demo.Recovered"));
    QVERIFY(Form.DocumentChanged());
    QVERIFY(QFile::exists(Left));
    QDir(Form.File().Recovery().CopyPath()).removeRecursively();
  }

  // A damaged copy is offered as damaged, and kept it is set aside; what is
  // no copy at all is set aside at once; neither is offered again nor lost.
  void damagedCopiesAreOfferedOnceAndKept() {
    QDir().mkpath(RecoveryFolder());
    const auto Left = [] {
      return RecoveryFolder() + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces) +
             ".recovery";
    };
    const QString Cut = Left(), Garbage = Left();
    const std::string Whole = TRecoveryStore::Encode(
        {Path("clock.jsb"), ClockComponent, TFileStamp(), TTextEncoding::Utf8});
    WriteBytes(Cut, Whole.substr(0, Whole.size() - 10));
    WriteBytes(Garbage, "not a copy");
    Script->Recoveries = {TRecoveryAnswer::Keep};
    {
      TMainForm Form;
      Script->Serve(Form);
      Form.show();
    }
    QCOMPARE(Offers(*Script),
             QStringList{"Corvane found unsaved changes to " + Path("clock.jsb") +
                         " from a session that ended unexpectedly. The copy is damaged: only "
                         "what is left of it can be recovered."});
    QVERIFY(QFile::exists(Cut + ".damaged") && QFile::exists(Garbage + ".damaged"));
    QVERIFY(CopiesIn(RecoveryFolder()).isEmpty());
    TMainForm Again;
    Script->Serve(Again);
    Again.show();
    QCOMPARE(Offers(*Script).size(), 1);
  }

  // Values no JSB file can hold, the encoding and the captions come back
  // from a copy exactly as they were; what is left of a cut copy opens too.
  void aRecoveredDocumentEqualsTheLostOne() {
    std::string Lost;
    {
      TMainForm Form;
      Script->Serve(Form);
      Form.show();
      Form.LoadFile(Path("clock.jsb"));
      TJSBDocument& Document = Peek(Form).Factory->Document();
      Document.SetText(nullptr, "DISPLAYNAME", "a>b");
      Document.SetText(nullptr, "CUSTOMIZER", "line\r\nbreak");
      Document.Rename(Document.AddItem(dkEvent), "say \"hi\"\n>");
      Document.SetEncoding(TTextEncoding::Latin1);
      Form.LEdit1->SetText("f();\r\n</JSB_CONSTRUCTOR>");
      Form.File().UpdateRecoveryCopy();
      QVERIFY(Form.File().Flush());
      Lost = ReadBytes(Form.File().Recovery().CopyPath());
      QCOMPARE(TRecoveryStore::Decode(Lost)->Text, ModelOf(Form));
      Form.LEdit1->SetModified(false);
      Document.SetModified(false);
    }
    const QString Left =
        RecoveryFolder() + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".recovery";
    for (const bool Cut : {false, true}) {
      WriteBytes(Left, Cut ? Lost.substr(0, Lost.rfind("\"events\"")) : Lost);
      Script->Recoveries = {TRecoveryAnswer::Recover};
      TMainForm Form;
      Script->Serve(Form);
      Form.show();
      const TJSBean& Bean = *Peek(Form).Factory->Bean();
      QCOMPARE(Bean.DisplayName(), std::string("a>b"));
      QCOMPARE(Bean.Customizer(), std::string("line\r\nbreak"));
      QCOMPARE(Bean.EventSets().Count(), Cut ? 0 : 1);
      if (!Cut) QCOMPARE(ModelOf(Form), TRecoveryStore::Decode(Lost)->Text);
      QVERIFY(Peek(Form).Factory->Document().Encoding() == TTextEncoding::Latin1);
      Form.LEdit1->SetModified(false);
      Peek(Form).Factory->Document().SetModified(false);
    }
  }

  // A copy that cannot be written is told of once a session; a folder that
  // takes no lock still has its old copies offered.
  void aFolderThatKeepsNoCopyIsToldOfAndStillOffers() {
    {
      TMainForm Form;
      Script->Serve(Form);
      Form.File().RecoveryDelay = 0;
      QDir().mkpath(Form.File().Recovery().CopyPath());  // where its copy would go
      Form.show();
      Form.LoadFile(Path("clock.jsb"));
      Edit(Form);
      QTRY_COMPARE(Script->Logged("info").size(), 1);
      QVERIFY(Script->Logged("info")[0].startsWith("Corvane cannot keep a recovery copy"));
      Peek(Form).Factory->Document().SetText(nullptr, "DISPLAYNAME", "again");
      QTest::qWait(50);
      QCOMPARE(Script->Logged("info").size(), 1);
      QDir(Form.File().Recovery().CopyPath()).removeRecursively();
      Form.LEdit1->SetModified(false);
      Peek(Form).Factory->Document().SetModified(false);
    }
    if (geteuid() == 0) QSKIP("the read-only folder's part runs only as an ordinary user");
    const QString Left =
        RecoveryFolder() + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".recovery";
    WriteBytes(Left, TRecoveryStore::Encode({"", ClockComponent, {}, TTextEncoding::Utf8}));
    QFile::setPermissions(RecoveryFolder(), QFile::ReadOwner | QFile::ExeOwner);
    Script->Recoveries = {TRecoveryAnswer::Keep};
    {
      TMainForm Form;
      Script->Serve(Form);
      Form.show();
    }
    QFile::setPermissions(RecoveryFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(Offers(*Script).size(), 1);
  }

  // An unnamed document's copy: Discard removes it; Recover opens it as an
  // untitled, changed document, which Save writes through Save As.
  void anUnnamedCopyIsDiscardedOrRecovered_data() {
    QTest::addColumn<QString>("Press");
    QTest::addColumn<QString>("Title");
    QTest::newRow("discard") << "Discard"
                             << "Corvane";
    QTest::newRow("recover") << "Recover"
                             << "Corvane - untitled";
  }
  void anUnnamedCopyIsDiscardedOrRecovered() {
    QFETCH(QString, Press);
    QFETCH(QString, Title);
    const QString Left =
        RecoveryFolder() + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDir().mkpath(RecoveryFolder());
    // An earlier version's copy, which records no encoding.
    WriteBytes(Left + ".recovery", TRecoveryStore::Encode({"", ClockComponent, {}, std::nullopt}));
    Script->Recoveries = {Press == "Recover" ? TRecoveryAnswer::Recover : TRecoveryAnswer::Discard};
    TMainForm Form;
    Script->Serve(Form);
    Form.show();
    QCOMPARE(Offers(*Script), QStringList{"Corvane found unsaved changes to an untitled component "
                                          "from a session that ended unexpectedly."});
    QCOMPARE(Form.windowTitle(), Title);
    QVERIFY(!QFile::exists(Left + ".recovery"));
    if (Press == "Discard") return;
    QVERIFY(Form.DocumentChanged());
    Script->SavePaths = {Path("saved.jsb")};
    QVERIFY(Form.FileSave());
    QCOMPARE(ReadBytes(Path("saved.jsb")), std::string(ClockComponent));
    QVERIFY(CopiesIn(RecoveryFolder()).isEmpty());
  }
};

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  if (argc == 3 && QString(argv[1]) == ChildSwitch) return RunChild(argv[2]);
  if (argc == 3 && QString(argv[1]) == TypistSwitch) return RunTypist(argv[2]);
  RecoveryTest Test;
  return QTest::qExec(&Test, argc, argv);
}

#include "recovery_test.moc"
