#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <QWidget>
#include <QtTest>
#include <memory>

#include "widgets/filedrag.h"

namespace {

using TNames = std::vector<std::string>;

std::unique_ptr<QMimeData> Files(const QStringList& Paths) {
  auto Mime = std::make_unique<QMimeData>();
  QList<QUrl> Urls;
  for (const QString& Path : Paths)
    Urls.append(Path.startsWith("http") ? QUrl(Path) : QUrl::fromLocalFile(Path));
  Mime->setUrls(Urls);
  return Mime;
}

// Drags the files onto Target and drops them there, as the window system
// does: the drag must be accepted on entering before the drop counts.
// Answered is the action the drop answers the source with.
bool DragAndDrop(QWidget& Target, const QStringList& Paths,
                 Qt::DropActions Offered = Qt::CopyAction, Qt::DropAction* Answered = nullptr) {
  const std::unique_ptr<QMimeData> Mime = Files(Paths);
  QDragEnterEvent Enter(QPoint(5, 5), Offered, Mime.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Target, &Enter);
  if (!Enter.isAccepted()) return false;
  QDropEvent Drop(QPointF(5, 5), Offered, Mime.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Target, &Drop);
  if (Answered) *Answered = Drop.dropAction();
  return Drop.isAccepted();
}

}  // namespace

class FileDragTest : public QObject {
  Q_OBJECT

 private slots:
  void SplitsNameAndExtension_data();
  void SplitsNameAndExtension();
  void DropFillsThreeListsInOrder();
  void NextDropReplacesTheLists();
  void DropsAnswerCopyAndNeverMove();
  void DroppingNeedsEnableDrop();
  void NonLocalUrlsAreLeftOut();
  void OwnerThatIsNoWidgetNeverAccepts();
  void DestructionStopsAcceptingDrops();
  void OwnerMayDestroyItsFileDrag();
};

void FileDragTest::SplitsNameAndExtension_data() {
  QTest::addColumn<QString>("Path");
  QTest::addColumn<QString>("Name");
  QTest::addColumn<QString>("Extension");
  QTest::newRow("double extension") << "/a/b.tar.gz"
                                    << "b.tar.gz"
                                    << "tar.gz";
  QTest::newRow("dotted folder") << "/dir.x/file.jsb"
                                 << "file.jsb"
                                 << "jsb";
  QTest::newRow("no dot") << "/dir.x/README"
                          << "README"
                          << "";
  QTest::newRow("dot last") << "/a/name."
                            << "name."
                            << "";
  QTest::newRow("leading dot") << "/home/u/.profile"
                               << ".profile"
                               << "profile";
  QTest::newRow("no folder") << "plain.JSB"
                             << "plain.JSB"
                             << "JSB";
#ifdef Q_OS_WIN
  QTest::newRow("backslashes") << "C:\\dir.x\\file.jsb"
                               << "file.jsb"
                               << "jsb";
#else
  // A backslash is an ordinary character in a POSIX file name.
  QTest::newRow("backslash in name") << "/d/a\\b.x.jsb"
                                     << "a\\b.x.jsb"
                                     << "x.jsb";
#endif
}

void FileDragTest::SplitsNameAndExtension() {
  QFETCH(QString, Path);
  QFETCH(QString, Name);
  QFETCH(QString, Extension);
  const TDroppedName Split = SplitDroppedName(Path.toStdString());
  QCOMPARE(QString::fromStdString(Split.Name), Name);
  QCOMPARE(QString::fromStdString(Split.Extension), Extension);
}

void FileDragTest::DropFillsThreeListsInOrder() {
  QWidget Owner;
  TFileDrag Drag(&Owner);
  Drag.SetEnableDrop(true);
  QVERIFY(Owner.acceptDrops());
  QSignalSpy Drops(&Drag, &TFileDrag::OnDrop);

  QVERIFY(
      DragAndDrop(Owner, {"/w/z.jsb", "/w/b.tar.gz", "/dir.x/README", "/w/\xc3\xa9t\xc3\xa9.jsb"}));
  QVERIFY(Drops.wait(1000));
  QCOMPARE(Drops.count(), 1);
  QCOMPARE(Drops.at(0).at(0).value<TFileDrag*>(), &Drag);
  QCOMPARE(Drag.FileCount(), 4);
  const std::string Accented = QFile::encodeName("/w/\xc3\xa9t\xc3\xa9.jsb").toStdString();
  QCOMPARE(Drag.NameWithPath(), (TNames{"/w/z.jsb", "/w/b.tar.gz", "/dir.x/README", Accented}));
  QCOMPARE(Drag.NameOnly(),
           (TNames{"z.jsb", "b.tar.gz", "README", Accented.substr(Accented.rfind('/') + 1)}));
  QCOMPARE(Drag.Extension(), (TNames{"jsb", "tar.gz", "", "jsb"}));
  // The bytes name the same file again.
  QCOMPARE(QFile::decodeName(QByteArray::fromStdString(Drag.NameWithPath()[3])),
           QString("/w/\xc3\xa9t\xc3\xa9.jsb"));
}

// A source told Move may delete the file it dragged, so a drop takes a copy
// or nothing.
void FileDragTest::DropsAnswerCopyAndNeverMove() {
  QWidget Owner;
  TFileDrag Drag(&Owner);
  Drag.SetEnableDrop(true);
  const std::pair<Qt::DropActions, bool> Cases[] = {
      {Qt::CopyAction | Qt::MoveAction, true},
      {Qt::MoveAction | Qt::CopyAction | Qt::LinkAction, true},
      {Qt::MoveAction, false},
      {Qt::LinkAction, false}};
  for (const auto& [Offered, Taken] : Cases) {
    Qt::DropAction Answered = Qt::IgnoreAction;
    QCOMPARE(DragAndDrop(Owner, {"/w/a.jsb"}, Offered, &Answered), Taken);
    if (Taken) QCOMPARE(Answered, Qt::CopyAction);
  }
}

void FileDragTest::NextDropReplacesTheLists() {
  QWidget Owner;
  TFileDrag Drag(&Owner);
  Drag.SetEnableDrop(true);
  QSignalSpy Drops(&Drag, &TFileDrag::OnDrop);
  QVERIFY(DragAndDrop(Owner, {"/a/one.jsb", "/a/two.jsb", "/a/three.jsb"}));
  QVERIFY(Drops.wait(1000));
  QCOMPARE(Drag.FileCount(), 3);
  QVERIFY(DragAndDrop(Owner, {"/b/four.txt"}));
  QVERIFY(Drops.wait(1000));
  QCOMPARE(Drops.count(), 2);
  QCOMPARE(Drag.FileCount(), 1);
  QCOMPARE(Drag.NameWithPath(), TNames{"/b/four.txt"});
  QCOMPARE(Drag.NameOnly(), TNames{"four.txt"});
  QCOMPARE(Drag.Extension(), TNames{"txt"});
}

void FileDragTest::DroppingNeedsEnableDrop() {
  QWidget Owner;
  TFileDrag Drag(&Owner);
  QVERIFY(!Drag.EnableDrop());
  QVERIFY(!Owner.acceptDrops());
  QSignalSpy Drops(&Drag, &TFileDrag::OnDrop);
  QVERIFY(!DragAndDrop(Owner, {"/a/one.jsb"}));

  Drag.SetEnableDrop(true);
  Drag.SetEnableDrop(false);
  QVERIFY(!Owner.acceptDrops());
  QVERIFY(!DragAndDrop(Owner, {"/a/one.jsb"}));
  QTest::qWait(20);
  QCOMPARE(Drops.count(), 0);
  QCOMPARE(Drag.FileCount(), 0);
  QVERIFY(Drag.NameWithPath().empty());
}

void FileDragTest::NonLocalUrlsAreLeftOut() {
  QWidget Owner;
  TFileDrag Drag(&Owner);
  Drag.SetEnableDrop(true);
  QSignalSpy Drops(&Drag, &TFileDrag::OnDrop);
  QVERIFY(!DragAndDrop(Owner, {"http://example.org/a.jsb"}));
  QVERIFY(DragAndDrop(Owner, {"http://example.org/a.jsb", "/a/local.jsb"}));
  QVERIFY(Drops.wait(1000));
  QCOMPARE(Drag.FileCount(), 1);
  QCOMPARE(Drag.NameWithPath(), TNames{"/a/local.jsb"});
}

void FileDragTest::OwnerThatIsNoWidgetNeverAccepts() {
  QObject Owner;
  TFileDrag Drag(&Owner);
  Drag.SetEnableDrop(true);
  QVERIFY(!Drag.EnableDrop());
}

void FileDragTest::DestructionStopsAcceptingDrops() {
  QWidget Owner;
  auto* Drag = new TFileDrag(&Owner);
  Drag->SetEnableDrop(true);
  delete Drag;
  QVERIFY(!Owner.acceptDrops());
  QVERIFY(!DragAndDrop(Owner, {"/a/one.jsb"}));

  // An owner that took drops of its own before keeps taking them.
  Owner.setAcceptDrops(true);
  Drag = new TFileDrag(&Owner);
  Drag->SetEnableDrop(false);
  QVERIFY(Owner.acceptDrops());
  delete Drag;
  QVERIFY(Owner.acceptDrops());
}

void FileDragTest::OwnerMayDestroyItsFileDrag() {
  auto* Owner = new QWidget;
  auto* Drag = new TFileDrag(Owner);
  Drag->SetEnableDrop(true);
  QSignalSpy Destroyed(Drag, &QObject::destroyed);
  // A drop still waiting for delivery must not outlive the component.
  QVERIFY(DragAndDrop(*Owner, {"/a/one.jsb"}));
  delete Owner;
  QCOMPARE(Destroyed.count(), 1);
  QTest::qWait(20);
}

QTEST_MAIN(FileDragTest)
#include "filedrag_test.moc"
