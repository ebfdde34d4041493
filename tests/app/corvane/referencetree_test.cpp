// The Source View's reference outline.
#include <QTreeWidget>
#include <QtTest>

#include "app/corvane/mainform.h"
#include "app/corvane/referencetree.h"
#include "widgets/hetreeview.h"
#include "windowtest.h"

namespace {

QTreeWidgetItem* Child(QTreeWidgetItem* Parent, const QString& Text) {
  for (int I = 0; I < Parent->childCount(); ++I)
    if (Parent->child(I)->text(0) == Text) return Parent->child(I);
  return nullptr;
}

QTreeWidgetItem* Path(QTreeWidget& Tree, const QStringList& Texts) {
  QTreeWidgetItem* Node = Tree.invisibleRootItem();
  for (const QString& Text : Texts)
    if (!(Node = Child(Node, Text))) return nullptr;
  return Node;
}

}  // namespace

class ReferenceTreeTest : public QObject {
  Q_OBJECT

  TTestStore Store;

 private slots:
  void outlineForms() {
    const auto Nodes = ParseReferenceOutline(
        "- A [39]\n  - B [5]: x, y [0], z [selected 2]\n  - C [6 selected 1]\n- D [4]\n");
    QCOMPARE(Nodes.size(), size_t(2));
    const TReferenceNode& B = Nodes[0].Children[0];
    QCOMPARE(B.Text, QString("B"));
    QCOMPARE(B.Children.size(), size_t(3));
    QCOMPARE(B.Children[0].Image, 5);  // a leaf takes its parent's image
    QCOMPARE(B.Children[1].Image, 0);
    QCOMPARE(B.Children[2].Image, 5);
    QCOMPARE(B.Children[2].SelectedImage, 2);
    QCOMPARE(Nodes[0].Children[1].Image, 6);
    QCOMPARE(Nodes[0].Children[1].SelectedImage, 1);
    QCOMPARE(Nodes[1].Text, QString("D"));
  }

  void theWindowsOutline() {
    TMainForm Form;
    QTreeWidget& Tree = *Peek(Form).tvLiveBooks;
    int Count = 0;
    for (QTreeWidgetItemIterator It(&Tree); *It; ++It) {
      ++Count;
      QVERIFY(!(*It)->isExpanded());
    }
    QCOMPARE(Count, 949);
    QCOMPARE(Tree.topLevelItemCount(), 2);
    for (const char* Top : {"Client", "Server"}) {
      QTreeWidgetItem* Node = Path(Tree, {Top});
      QVERIFY(Node);
      QCOMPARE(Node->childCount(), 2);
      QCOMPARE(Node->child(0)->text(0), QString("Objects"));
      QCOMPARE(Node->child(1)->text(0), QString("Language Elements"));
    }
    QTreeWidgetItem* Destroy = Path(Tree, {"Server", "Objects", "client", "Methods", "destroy()"});
    QVERIFY(Destroy);
    QCOMPARE(Destroy->data(0, Qt::UserRole).toInt(), 6);
    QCOMPARE(Destroy->data(0, Qt::UserRole + 1).toInt(), 0);
    QVERIFY(Destroy->icon(0).isNull());  // images arrive when the window is first shown
    Form.show();
    QVERIFY(!Destroy->icon(0).isNull());
    QTreeWidgetItem* Option = nullptr;
    for (QTreeWidgetItemIterator It(&Tree); *It && !Option; ++It)
      if ((*It)->text(0) == "option" && (*It)->parent()->parent() &&
          (*It)->parent()->parent()->text(0) == "options array")
        Option = *It;
    QVERIFY(Option);
    QCOMPARE(Child(Option, "Properties")->data(0, Qt::UserRole).toInt(), 0);
    QVERIFY(Path(Tree, {"Client", "Language Elements", "Operators", "Arthimetic"}));
    QCOMPARE(Tree.editTriggers(), QAbstractItemView::NoEditTriggers);
  }
};

QTEST_MAIN(ReferenceTreeTest)
#include "referencetree_test.moc"
