// A file's stamp trusts what the file system says of it where that is safe,
// and reads the bytes again wherever it is not.
#include <fcntl.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

#include "app/corvane/filestamp.h"
#include "windowtest.h"

Q_DECLARE_METATYPE(TFileStamp)

namespace {

constexpr qint64 Second = 1'000'000'000;

// A stamp of a file last written and changed at At, taken at Taken.
TFileStamp Stamp(qint64 At, qint64 Taken) {
  TFileStamp S;
  S.Exists = true;
  S.Size = 10;
  S.Hash = "h";
  S.ModifiedNs = S.ChangedNs = At;
  S.Device = 1;
  S.Inode = 2;
  S.TakenNs = Taken;
  return S;
}

// Sets the file's modification time, which changes its inode's change time.
void SetModified(const QString& Path, qint64 Ns) {
  const timespec Times[2] = {{0, UTIME_OMIT}, {Ns / Second, Ns % Second}};
  QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(Path).constData(), Times, 0), 0);
}

}  // namespace

class FileStampTest : public QObject {
  Q_OBJECT

 private slots:
  void VouchesOnlyForTheSameSettledFile_data() {
    QTest::addColumn<TFileStamp>("Now");
    QTest::addColumn<bool>("Vouches");
    const TFileStamp Known = Stamp(100 * Second, 200 * Second);
    QTest::newRow("the same file") << Known << true;
    TFileStamp Other = Known;
    Other.Size = 11;
    QTest::newRow("another size") << Other << false;
    Other = Known;
    Other.ModifiedNs += 1;
    QTest::newRow("written a nanosecond later") << Other << false;
    Other = Known;
    Other.ChangedNs += Second;
    QTest::newRow("its inode changed") << Other << false;
    Other = Known;
    Other.Inode = 3;
    QTest::newRow("replaced by another file") << Other << false;
    Other = Known;
    Other.Device = 9;
    QTest::newRow("on another device") << Other << false;
  }
  void VouchesOnlyForTheSameSettledFile() {
    QFETCH(TFileStamp, Now);
    QFETCH(bool, Vouches);
    QCOMPARE(Stamp(100 * Second, 200 * Second).Vouches(Now), Vouches);
  }

  void DoesNotVouchRightAfterAWriteOrWithoutAHash() {
    const TFileStamp Fresh = Stamp(100 * Second, 101 * Second);  // another write may follow unseen
    QVERIFY(!Fresh.Vouches(Fresh));
    TFileStamp Unread = Stamp(100 * Second, 200 * Second);
    Unread.Hash.clear();
    QVERIFY(!Unread.Vouches(Unread));
    QVERIFY(!TFileStamp().Vouches(TFileStamp()));
  }

  // The stamp's hash comes from the bytes unless a settled stamp vouches for
  // them; a rewrite is seen even with its size and modification time put back.
  void ReadsTheBytesOnlyWhereTheStampDoesNotVouch() {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("a.jsb");
    WriteBytes(Path, "<JSB>\r\n</JSB>");
    const QByteArray Real = QCryptographicHash::hash("<JSB>\r\n</JSB>", QCryptographicHash::Sha1);
    TFileStamp Known = TFileStamp::Of(Path);
    QCOMPARE(Known.Hash, Real);
    Known.Hash = "not read";
    QCOMPARE(TFileStamp::Of(Path, Known).Hash, Real);  // written too recently to trust
    Known.TakenNs += 3 * Second;                       // as if taken once the file settled
    QCOMPARE(TFileStamp::Of(Path, Known).Hash, QByteArray("not read"));
    QTest::qWait(20);  // past a tick of the file system's clock
    WriteBytes(Path, "<JSB>\r\n</JSX>");
    SetModified(Path, Known.ModifiedNs);
    const TFileStamp After = TFileStamp::Of(Path, Known);
    QCOMPARE(After.Size, Known.Size);
    QCOMPARE(After.ModifiedNs, Known.ModifiedNs);
    QVERIFY(After.ChangedSince(Known));
  }

  void WrittenTakesTheHashItIsGiven() {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("a.jsb");
    WriteBytes(Path, "x");
    const TFileStamp Written = TFileStamp::Written(Path, "given");
    QCOMPARE(Written.Hash, QByteArray("given"));
    QCOMPARE(Written.Size, 1);
    TFileStamp Read = TFileStamp::Of(Path);
    Read.Hash = "given";
    QVERIFY(Written == Read);  // the same metadata
    QVERIFY(!TFileStamp::Written(Dir.filePath("none"), "given").Exists);
  }
};

QTEST_MAIN(FileStampTest)
#include "filestamp_test.moc"
