// The desktop's list of recently used files: what a use adds to it, what it
// keeps of other programs' bookmarks, and the lists it must never replace.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/corvane/recentfiles.h"
#include "beans/uitext.h"

namespace {

const QByteArray Uri = "file:///home/u/work/clock.jsb";
const QDateTime Time = QDateTime::fromString("2026-01-02T03:04:05.678Z", Qt::ISODateWithMs);
const QString Now = "2026-01-02T03:04:05.678Z";

const QByteArray Head =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\" "
    "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\""
    " xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\" "
    "xmlns:x=\"urn:other\">\n";
// Another program's bookmark, with what this program does not know.
const QByteArray Others =
    "  <!-- kept -->\n"
    "  <bookmark href=\"file:///home/u/a%20b.txt\" added=\"2020-01-01T00:00:00Z\" "
    "modified=\"2020-01-01T00:00:00Z\" visited=\"2020-01-01T00:00:00Z\" x:rating=\"5\">\n"
    "    <title>A &amp; B</title>\n"
    "    <info>\n"
    "      <metadata owner=\"http://freedesktop.org\">\n"
    "        <mime:mime-type type=\"text/plain\"/>\n"
    "        <bookmark:groups><bookmark:group>Editors</bookmark:group></bookmark:groups>\n"
    "        <bookmark:applications>\n"
    "          <bookmark:application name=\"Corvane\" exec=\"&apos;corvane %f&apos;\" "
    "modified=\"2020-01-01T00:00:00Z\" count=\"2\"/>\n"
    "        </bookmark:applications>\n"
    "        <bookmark:private/>\n"
    "      </metadata>\n"
    "      <metadata owner=\"urn:other\"><x:thing a=\"1\">text</x:thing></metadata>\n"
    "    </info>\n"
    "  </bookmark>\n"
    "  <x:extension x:flag=\"on\"/>\n";
const QByteArray Tail = "</xbel>\n";

// Our bookmark as an earlier use left it, another program's entry beside ours.
QByteArray Ours(const QByteArray& Href, const QByteArray& Application) {
  return "  <bookmark href=\"" + Href + "\" added=\"2019-05-05T05:05:05Z\" modified=\"x\">\n" +
         "    <info><metadata owner=\"http://freedesktop.org\">\n" +
         "      <mime:mime-type type=\"application/x-jsb\"/>\n" +
         "      <bookmark:applications>\n" +
         "        <bookmark:application name=\"Other\" exec=\"other %u\" count=\"7\"/>\n" +
         Application + "      </bookmark:applications>\n" + "      <x:note>mine</x:note>\n" +
         "    </metadata></info>\n  </bookmark>\n";
}

bool IsOurs(const QXmlStreamReader& In, const QByteArray& Href = Uri) {
  return In.name() == u"bookmark" &&
         QByteArray::fromPercentEncoding(In.attributes().value("href").toUtf8()) ==
             QByteArray::fromPercentEncoding(Href);
}

QString Attributes(const QXmlStreamReader& In) {
  QStringList Found;
  for (const QXmlStreamAttribute& A : In.attributes())
    Found << QString("{%1}%2=%3").arg(A.namespaceUri(), A.name(), A.value());
  Found.sort();
  return Found.join(' ');
}

// What a list means, our bookmark left out: elements by namespace and name,
// attributes in order, text that is not only white space, and comments.
QStringList Meaning(const QByteArray& Text) {
  QXmlStreamReader In(Text);
  QStringList Out;
  int Skipping = 0;
  while (!In.atEnd()) {
    In.readNext();
    if (Skipping) {
      Skipping += In.isStartElement() ? 1 : In.isEndElement() ? -1 : 0;
    } else if (In.isStartElement() && IsOurs(In)) {
      Skipping = 1;
    } else if (In.isStartElement()) {
      Out << QString("<{%1}%2 %3").arg(In.namespaceUri(), In.name(), Attributes(In));
    } else if (In.isEndElement()) {
      Out << "</";
    } else if ((In.isCharacters() && !In.isWhitespace()) || In.isComment()) {
      Out << In.text().toString();
    }
  }
  if (In.hasError()) Out << "error: " + In.errorString();
  return Out;
}

// Our bookmarks, and for the first its attributes, its applications'
// attributes and its MIME types, each sorted.
struct TOurs {
  int Bookmarks = 0;
  QString Bookmark;
  QStringList Applications, MimeTypes, Others;
};

TOurs Read(const QByteArray& Text, const QByteArray& Href = Uri) {
  QXmlStreamReader In(Text);
  TOurs Found;
  int Depth = 0, Inside = 0;
  while (!In.atEnd()) {
    In.readNext();
    if (In.isEndElement() && --Depth < Inside) Inside = 0;
    if (!In.isStartElement()) continue;
    ++Depth;
    if (IsOurs(In, Href) && ++Found.Bookmarks == 1) {
      Inside = Depth;
      Found.Bookmark = Attributes(In);
    } else if (Inside && In.name() == u"application") {
      Found.Applications << Attributes(In);
    } else if (Inside && In.name() == u"mime-type") {
      Found.MimeTypes << In.attributes().value("type").toString();
    } else if (Inside && In.name() == u"note") {
      Found.Others << In.readElementText();
      --Depth;
    }
  }
  Found.Applications.sort();
  return Found;
}

QString Ns(const char* Name, const QString& Value) {
  return QString("{}%1=%2").arg(Name, Value);
}

QString OurApplication(const QString& Count, const QString& Timestamp = {}) {
  QStringList A = {Ns("count", Count), Ns("exec", RecentAppExec), Ns("modified", Now),
                   Ns("name", RecentAppName)};
  if (!Timestamp.isEmpty()) A << Ns("timestamp", Timestamp);
  A.sort();
  return A.join(' ');
}

const QString OtherApplication = "{}count=7 {}exec=other %u {}name=Other";

}  // namespace

class RecentFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void aUseIsRecordedAndTheRestKept_data() {
    QTest::addColumn<QByteArray>("Before");
    QTest::addColumn<QString>("Href");  // kept as the list spelt it
    QTest::addColumn<QString>("Added");
    QTest::addColumn<QStringList>("Applications");
    QTest::addColumn<QStringList>("Notes");  // what our bookmark held of others'

    const QString Kept = "2019-05-05T05:05:05Z";
    const QByteArray Count3 =
        "        <bookmark:application name=\"Corvane\" exec=\"corvane %u\" modified=\"2019\" "
        "count=\"3\"/>\n";
    QTest::newRow("no list yet") << QByteArray() << QString(Uri) << Now
                                 << QStringList{OurApplication("1")} << QStringList();
    QTest::newRow("others' bookmarks") << Head + Others + Tail << QString(Uri) << Now
                                       << QStringList{OurApplication("1")} << QStringList();
    QTest::newRow("our entry counts on")
        << Head + Others + Ours(Uri, Count3) + Tail << QString(Uri) << Kept
        << QStringList{OurApplication("4"), OtherApplication} << QStringList{"mine"};
    QTest::newRow("another spelling of the URI")
        << Head + Ours("file:///home/u/work/clock%2Ejsb", Count3) + Tail
        << "file:///home/u/work/clock%2Ejsb" << Kept
        << QStringList{OurApplication("4"), OtherApplication} << QStringList{"mine"};
    QTest::newRow("another program's bookmark of our file")
        << Head + Ours(Uri, "") + Tail << QString(Uri) << Kept
        << QStringList{OurApplication("1"), OtherApplication} << QStringList{"mine"};
    QTest::newRow("seconds of an earlier format")
        << Head +
               Ours(Uri,
                    "<bookmark:application name=\"Corvane\" exec=\"e\" timestamp=\"1\" "
                    "count=\"1\"/>") +
               Tail
        << QString(Uri) << Kept
        << QStringList{OurApplication("2", QString::number(Time.toSecsSinceEpoch())),
                       OtherApplication}
        << QStringList{"mine"};
    QTest::newRow("a bare bookmark gets its metadata")
        << Head + "<bookmark href=\"" + Uri + "\"/>" + Tail << QString(Uri) << Now
        << QStringList{OurApplication("1")} << QStringList();
  }
  void aUseIsRecordedAndTheRestKept() {
    QFETCH(QByteArray, Before);
    QFETCH(QString, Href);
    QFETCH(QString, Added);
    QFETCH(QStringList, Applications);
    QFETCH(QStringList, Notes);
    const std::optional<QByteArray> After = RecordRecentUse(Before, {Uri, Time});
    QVERIFY(After);
    QCOMPARE(Meaning(*After), Meaning(Before.isEmpty() ? Head + Tail : Before));
    const TOurs Found = Read(*After);
    QCOMPARE(Found.Bookmarks, 1);
    QCOMPARE(Found.Bookmark,
             QString("{}added=%1 {}href=%2 {}modified=%3 {}visited=%3").arg(Added, Href, Now));
    QCOMPARE(Found.Applications, Applications);
    QCOMPARE(Found.MimeTypes, QStringList{RecentMimeType});
    QCOMPARE(Found.Others, Notes);
    // Recorded again, it is the same bookmark, counted once more.
    QCOMPARE(Read(RecordRecentUse(*After, {Uri, Time}).value_or("")).Bookmarks, 1);
    QCOMPARE(RecentFoldersIn(*After, 10).value(0), "/home/u/work");
  }

  void listsThatAreNotWellFormedAreRefused_data() {
    QTest::addColumn<QByteArray>("Text");
    QTest::newRow("cut short") << (Head + Others).left(300);
    QTest::newRow("not a bookmark list") << QByteArray("<html><body/></html>");
    QTest::newRow("our prefix taken") << QByteArray("<xbel xmlns:bookmark=\"urn:x\"/>");
    QTest::newRow("not text") << QByteArray("\x00\x01\xff\xfe", 4);
  }
  void listsThatAreNotWellFormedAreRefused() {
    QFETCH(QByteArray, Text);
    QVERIFY(!RecordRecentUse(Text, {Uri, Time}));
  }

  void fileUrisHoldTheNamesBytes() {
    QCOMPARE(FileUri(FileNameText("/home/u/caf\xe9 #1.jsb")), "file:///home/u/caf%E9%20%231.jsb");
    QCOMPARE(FileUri("/home/u/./x/../\u00e9t\u00e9.jsb"), "file:///home/u/%C3%A9t%C3%A9.jsb");
    QCOMPARE(FileUri("rel.jsb"), FileUri(QDir::currentPath() + "/rel.jsb"));
  }

  // The list on disk: made when missing, left byte for byte as it was when
  // it cannot be read as a list or is too large, and untouched by files of
  // the excluded folders.
  void theListOnDiskIsReplacedOnlyWhenSafe_data() {
    QTest::addColumn<QByteArray>("Before");
    QTest::addColumn<QString>("File");
    QTest::addColumn<bool>("Updated");
    QTest::newRow("missing") << QByteArray() << "work/a.jsb" << true;
    QTest::newRow("others'") << Head + Others + Tail << "work/a.jsb" << true;
    QTest::newRow("damaged") << (Head + Others).left(300) << "work/a.jsb" << false;
    QTest::newRow("too large") << Head + QByteArray(RecentListLimit, ' ') + Tail << "work/a.jsb"
                               << false;
    QTest::newRow("temporary file") << QByteArray() << "tmp/a.jsb" << false;
  }
  void theListOnDiskIsReplacedOnlyWhenSafe() {
    QFETCH(QByteArray, Before);
    QFETCH(QString, File);
    QFETCH(bool, Updated);
    QTemporaryDir Dir;
    const TRecentPlaces Places{
        Dir.filePath("data/recently-used.xbel"), Dir.filePath("lock"), {Dir.filePath("tmp")}};
    QVERIFY(QDir(Dir.path()).mkpath("data"));
    QVERIFY(QDir(Dir.path()).mkpath("tmp"));
    QFile List(Places.List);
    if (!Before.isEmpty()) {
      QVERIFY(List.open(QIODevice::WriteOnly));
      List.write(Before);
      List.close();
    }
    {
      TRecentFiles Recent(Places);
      Recent.Add(Dir.filePath(File));
    }  // done when it goes
    QVERIFY(List.open(QIODevice::ReadOnly) || !Updated);
    const QByteArray After = List.readAll();
    if (Updated) {
      QCOMPARE(Read(After, FileUri(Dir.filePath(File))).Bookmarks, 1);
      QCOMPARE(Meaning(After).filter("error").size(), 0);
    } else {
      QCOMPARE(After, Before);
    }
  }
};

QTEST_MAIN(RecentFilesTest)
#include "recentfiles_test.moc"
