#include "windowbenchundo.h"

#include <QTreeWidget>
#include <cstdio>

#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "beans/undo/documenthistory.h"
#include "quietmessages.h"
#include "sidebyside.h"
#include "tempdir.h"
#include "widgets/hetreeview.h"
#include "windowbenchopen.h"

namespace {

// A plain tree shaped as the window's: one root holding Items children.
struct TPlainTree {
  QTreeWidget Tree;
  QTreeWidgetItem* Root;
  explicit TPlainTree(int Items) : Root(new QTreeWidgetItem(&Tree, {QStringLiteral("root")})) {
    QList<QTreeWidgetItem*> Children;
    for (int I = 0; I < Items; ++I)
      Children.append(new QTreeWidgetItem({QStringLiteral("item %1").arg(I)}));
    Root->addChildren(Children);
    Root->setExpanded(true);
    Tree.show();
  }
  void TakeAndPutBack(int Index) {
    QTreeWidgetItem* Item = Root->takeChild(Index);
    ProcessEventsUntilIdle();
    Root->insertChild(Index, Item);
    Tree.setCurrentItem(Item);
    ProcessEventsUntilIdle();
  }
};

}  // namespace

int RunUndoBenchmark(const std::string& Folder, int Runs) {
  TQuietMessages Quiet;
  TTempDir Dir(Folder);
  TMainForm Form;
  OpenGeneratedFile(Form, 100'000, Dir.File("undo.jsb"));
  const TJSBean* Bean = BeanFactory->Bean();
  if (!Bean || Bean->Properties().Count() < 2) {
    std::fprintf(stderr, "jsbwindowbench: the generated component has too few properties\n");
    return 1;
  }
  const int Nodes = Bean->Node ? Bean->Node->childCount() : 0;
  TPlainTree Plain(Nodes);
  TDocumentHistory& History = *Form.History;
  TJSB_CustomCollectionItem* Item = Bean->Properties().Items(1);
  const int Count = Bean->Properties().Count();
  TSide Delete, Undo, Redo, Anchor;
  const auto Window = [&] {
    Delete.Measure([&] {
      History.DeleteItem(Item);
      ProcessEventsUntilIdle();
    });
    Undo.Measure([&] {
      History.Undo();
      ProcessEventsUntilIdle();
    });
    Redo.Measure([&] {
      History.Redo();
      ProcessEventsUntilIdle();
    });
    History.Undo();
    History.Clear();
    ProcessEventsUntilIdle();
  };
  const auto Tree = [&] { Anchor.Measure([&] { Plain.TakeAndPutBack(1); }); };
  std::printf("jsbwindowbench undo: 100,000 items, %d below the root, %d runs a side, A B B A\n",
              Nodes, Runs);
  Alternate(Runs, Window, Tree);
  if (Bean->Properties().Count() != Count || Bean->Properties().Items(1) != Item) {
    std::fprintf(stderr, "jsbwindowbench: the property did not come back in its place\n");
    return 1;
  }
  Delete.Print("delete one property");
  Undo.Print("undo the delete");
  Redo.Print("redo it");
  Anchor.Print("anchor: take and insert, plain tree");
  const double Base = Anchor.Cpu().Median;
  std::printf("  %-36s delete %.1f x, undo %.1f x, redo %.1f x the anchor (processor, medians)\n",
              "", Delete.Cpu().Median / Base, Undo.Cpu().Median / Base, Redo.Cpu().Median / Base);
  return 0;
}
