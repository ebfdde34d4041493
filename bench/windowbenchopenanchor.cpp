#include "windowbenchopenanchor.h"

#include <malloc.h>

#include <QStyle>
#include <QTreeWidget>
#include <cstdio>

#include "app/corvane/mainform.h"
#include "beans/jsbreader.h"
#include "quietmessages.h"
#include "sidebyside.h"
#include "tempdir.h"
#include "windowbenchopen.h"

namespace {

constexpr int Items = 100'000;

// Bytes the heap hands out now.
size_t HeapInUse() {
  return mallinfo2().uordblks;
}

// The nodes the window makes of the items read, in a plain tree: a root,
// each item below it, each parameter below its method, one shared image.
void FillPlainTree(QTreeWidget& Tree, const TJSBReadResult& Read) {
  const QIcon Image = Tree.style()->standardIcon(QStyle::SP_FileIcon);
  auto* Root = new QTreeWidgetItem({QString::fromStdString(Read.RootCaption)});
  QTreeWidgetItem* Method = nullptr;
  for (const TReadItem& R : Read.Items) {
    auto* Node = new QTreeWidgetItem({QString::fromStdString(R.Caption())});
    Node->setIcon(0, Image);
    (R.Kind == dkParameter && Method ? Method : Root)->addChild(Node);
    if (R.Kind == dkMethod) Method = Node;
  }
  Tree.addTopLevelItem(Root);
  Root->setExpanded(true);
  Tree.setCurrentItem(Root);
}

struct TBytes {
  size_t Window = 0, Model = 0, Tree = 0;
};

void PrintMemory(const TBytes& B) {
  const auto PerItem = [](size_t Bytes) { return static_cast<double>(Bytes) / Items / 1024; };
  std::printf(
      "  heap per descriptor: window %.2f KB, model %.2f KB + plain tree %.2f KB;"
      " %.2f x model and tree\n",
      PerItem(B.Window), PerItem(B.Model), PerItem(B.Tree),
      static_cast<double>(B.Window) / static_cast<double>(B.Model + B.Tree));
}

}  // namespace

int RunOpenBenchmark(const std::string& Folder, int Runs) {
  TQuietMessages Quiet;
  TTempDir Dir(Folder);
  const std::string File = Dir.File("open.jsb");
  WriteGeneratedFile(Items, File);
  TSide Window, Anchor;
  TBytes Bytes;
  const auto InWindow = [&] {
    TMainForm Form;
    Form.show();
    ProcessEventsUntilIdle();
    const size_t Before = HeapInUse();
    Window.Measure([&] {
      Form.LoadFile(QString::fromStdString(File));
      ProcessEventsUntilIdle();
    });
    Bytes.Window = HeapInUse() - Before;
  };
  const auto InPlain = [&] {
    QTreeWidget Tree;
    Tree.setUniformRowHeights(true);
    Tree.show();
    ProcessEventsUntilIdle();
    const size_t Before = HeapInUse();
    size_t Read = Before;
    TJSBReadResult Result;
    Anchor.Measure([&] {
      Result = ReadJSBFile(File);
      Read = HeapInUse();
      FillPlainTree(Tree, Result);
      ProcessEventsUntilIdle();
    });
    Bytes.Model = Read - Before;
    Bytes.Tree = HeapInUse() - Read;
  };
  std::printf("jsbwindowbench open: %d items, %d runs a side, A B B A\n", Items, 2 * Runs);
  Alternate(Runs, InWindow, InPlain);
  Window.Print("open to an idle window");
  Anchor.Print("anchor: core read and a plain tree");
  std::printf("  %-36s %.2f x the anchor (processor time, medians)\n", "",
              Window.Cpu().Median / Anchor.Cpu().Median);
  PrintMemory(Bytes);
  return Quiet.Notices == 0 ? 0 : 1;
}
