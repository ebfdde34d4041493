#include <QSignalSpy>
#include <QTreeWidgetItem>
#include <QtTest>

#include "widgets/hetreeview.h"

namespace {

QTreeWidgetItem* Node(QTreeWidgetItem* Parent, const QString& Caption) {
  auto* Item = new QTreeWidgetItem(Parent);
  Item->setText(0, Caption);
  return Item;
}

QTreeWidgetItem* Top(THETreeView& Tree, const QString& Caption) {
  auto* Item = new QTreeWidgetItem(&Tree);
  Item->setText(0, Caption);
  return Item;
}

QStringList Captions(const QTreeWidgetItem* Parent) {
  QStringList Result;
  for (int I = 0; I < Parent->childCount(); ++I)
    Result.append(Parent->child(I)->text(0));
  return Result;
}

QStringList TopCaptions(THETreeView& Tree) {
  return Captions(Tree.invisibleRootItem());
}

// Orders by caption length, then leaves the order as it stands.
int ByLength(QTreeWidgetItem* A, QTreeWidgetItem* B) {
  return static_cast<int>(A->text(0).size() - B->text(0).size());
}

// A tree of two top-level nodes with children and grandchildren.
struct TSample {
  THETreeView Tree;
  QTreeWidgetItem* Zulu = Top(Tree, "zulu");
  QTreeWidgetItem* Alpha = Top(Tree, "alpha");
  QTreeWidgetItem* Pear = Node(Alpha, "pear");
  QTreeWidgetItem* Fig = Node(Alpha, "fig");
  QTreeWidgetItem* Banana = Node(Alpha, "banana");
  QTreeWidgetItem* Kiwi = Node(Zulu, "kiwi");
  QTreeWidgetItem* Date = Node(Zulu, "date");
  QTreeWidgetItem* Ye = Node(Pear, "ye");
  QTreeWidgetItem* Ax = Node(Pear, "ax");
};

}  // namespace

class HETreeViewTest : public QObject {
  Q_OBJECT

 private slots:
  void AlphaSortOrdersEveryLevelByCaption();
  void AlphaSortAsksOnCompareBelowTopLevelOnly();
  void CustomSortUsesItsFunctionOnEveryLevel();
  void SortKeepsEqualNodesInPlace();
  void SettingSortTypeSorts_data();
  void SettingSortTypeSorts();
  void SortKeepsSelectionAndExpansionQuietly();
};

void HETreeViewTest::AlphaSortOrdersEveryLevelByCaption() {
  TSample S;
  QCOMPARE(TopCaptions(S.Tree), (QStringList{"zulu", "alpha"}));
  QVERIFY(S.Tree.AlphaSort());
  QCOMPARE(TopCaptions(S.Tree), (QStringList{"alpha", "zulu"}));
  QCOMPARE(Captions(S.Alpha), (QStringList{"banana", "fig", "pear"}));
  QCOMPARE(Captions(S.Zulu), (QStringList{"date", "kiwi"}));
  QCOMPARE(Captions(S.Pear), (QStringList{"ax", "ye"}));
  QVERIFY(!S.Tree.isSortingEnabled());
}

void HETreeViewTest::AlphaSortAsksOnCompareBelowTopLevelOnly() {
  TSample S;
  QSet<QTreeWidgetItem*> Asked;
  // Reverse caption order on the levels below the top.
  S.Tree.SetOnCompare([&](QTreeWidgetItem* A, QTreeWidgetItem* B) {
    Asked << A << B;
    return -THETreeView::CompareCaptions(A, B);
  });
  QVERIFY(S.Tree.AlphaSort());
  QCOMPARE(TopCaptions(S.Tree), (QStringList{"alpha", "zulu"}));
  QCOMPARE(Captions(S.Alpha), (QStringList{"pear", "fig", "banana"}));
  QCOMPARE(Captions(S.Zulu), (QStringList{"kiwi", "date"}));
  QCOMPARE(Captions(S.Pear), (QStringList{"ye", "ax"}));
  QVERIFY(!Asked.contains(S.Alpha));
  QVERIFY(!Asked.contains(S.Zulu));
}

void HETreeViewTest::CustomSortUsesItsFunctionOnEveryLevel() {
  TSample S;
  bool OnCompareAsked = false;
  S.Tree.SetOnCompare([&](QTreeWidgetItem*, QTreeWidgetItem*) {
    OnCompareAsked = true;
    return 0;
  });
  QList<qintptr> Datas;
  auto Proc = [&](QTreeWidgetItem* A, QTreeWidgetItem* B, qintptr Data) {
    Datas.append(Data);
    return ByLength(A, B);
  };
  QVERIFY(S.Tree.CustomSort(Proc, 42));
  QCOMPARE(TopCaptions(S.Tree), (QStringList{"zulu", "alpha"}));
  QCOMPARE(Captions(S.Alpha), (QStringList{"fig", "pear", "banana"}));
  QCOMPARE(Captions(S.Zulu), (QStringList{"kiwi", "date"}));
  QVERIFY(!OnCompareAsked);
  QVERIFY(!Datas.isEmpty());
  QVERIFY(std::all_of(Datas.begin(), Datas.end(), [](qintptr D) { return D == 42; }));
}

void HETreeViewTest::SortKeepsEqualNodesInPlace() {
  THETreeView Tree;
  QTreeWidgetItem* Root = Top(Tree, "root");
  for (const char* Caption : {"b2", "a1", "b1", "a2", "c"})
    Node(Root, Caption);
  // Only the first letter counts: equal nodes keep their order.
  Tree.SetOnCompare([](QTreeWidgetItem* A, QTreeWidgetItem* B) {
    return A->text(0).at(0).unicode() - B->text(0).at(0).unicode();
  });
  Tree.AlphaSort();
  QCOMPARE(Captions(Root), (QStringList{"a1", "a2", "b2", "b1", "c"}));
}

void HETreeViewTest::SettingSortTypeSorts_data() {
  QTest::addColumn<int>("Type");
  QTest::addColumn<bool>("WithOnCompare");
  QTest::addColumn<bool>("Sorts");
  QTest::newRow("text") << int(THETreeView::stText) << false << true;
  QTest::newRow("both") << int(THETreeView::stBoth) << false << true;
  QTest::newRow("data without event") << int(THETreeView::stData) << false << false;
  QTest::newRow("data with event") << int(THETreeView::stData) << true << true;
  QTest::newRow("none") << int(THETreeView::stNone) << true << false;
}

void HETreeViewTest::SettingSortTypeSorts() {
  QFETCH(int, Type);
  QFETCH(bool, WithOnCompare);
  QFETCH(bool, Sorts);
  TSample S;
  if (WithOnCompare) S.Tree.SetOnCompare(THETreeView::CompareCaptions);
  S.Tree.SetSortType(THETreeView::stBoth);  // from none: sorts once
  QCOMPARE(TopCaptions(S.Tree), (QStringList{"alpha", "zulu"}));
  S.Tree.SetSortType(THETreeView::stNone);

  Top(S.Tree, "mike");
  S.Tree.SetSortType(static_cast<THETreeView::TSortType>(Type));
  QCOMPARE(S.Tree.SortType(), static_cast<THETreeView::TSortType>(Type));
  const QStringList Sorted{"alpha", "mike", "zulu"};
  QCOMPARE(TopCaptions(S.Tree) == Sorted, Sorts);
}

void HETreeViewTest::SortKeepsSelectionAndExpansionQuietly() {
  TSample S;
  S.Tree.expandAll();
  S.Tree.collapseItem(S.Zulu);
  S.Tree.setCurrentItem(S.Fig);
  QSignalSpy Current(&S.Tree, &QTreeWidget::currentItemChanged);
  QSignalSpy Selection(&S.Tree, &QTreeWidget::itemSelectionChanged);
  QVERIFY(S.Tree.AlphaSort());
  QCOMPARE(S.Tree.currentItem(), S.Fig);
  QCOMPARE(S.Tree.selectedItems(), QList<QTreeWidgetItem*>{S.Fig});
  QVERIFY(S.Alpha->isExpanded());
  QVERIFY(S.Pear->isExpanded());
  QVERIFY(!S.Zulu->isExpanded());
  QCOMPARE(Current.count(), 0);
  QCOMPARE(Selection.count(), 0);
  // The tree still reports later changes.
  S.Tree.setCurrentItem(S.Kiwi);
  QCOMPARE(Current.count(), 1);
}

QTEST_MAIN(HETreeViewTest)
#include "hetreeview_test.moc"
