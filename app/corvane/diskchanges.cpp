// A file changed by another program while it is open is read again, and the
// tree selects the node it had selected where that node still exists.
#include <QList>
#include <QPair>
#include <QScopedValueRollback>

#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "widgets/hetreeview.h"

namespace {

// A node by the kind (its image) and caption of itself and its ancestors,
// root first; a reloaded tree has new nodes but the same captions.
using TNodePath = QList<QPair<int, QString>>;

TNodePath PathOf(const TTreeNode* Node) {
  TNodePath Path;
  for (; Node; Node = Node->ParentNode())
    Path.prepend({Node->ImageIndex, Node->text(0)});
  return Path;
}

TTreeNode* Find(const QTreeWidget& Tree, const TNodePath& Path) {
  TTreeNode* Found = nullptr;
  for (const auto& [Image, Caption] : Path) {
    const int Count = Found ? Found->childCount() : Tree.topLevelItemCount();
    TTreeNode* Match = nullptr;
    for (int I = 0; I < Count && !Match; ++I) {
      TTreeNode* Node = AsNode(Found ? Found->child(I) : Tree.topLevelItem(I));
      if (Node->ImageIndex == Image && Node->text(0) == Caption) Match = Node;
    }
    if (!Match) return nullptr;
    Found = Match;
  }
  return Found;
}

}  // namespace

void TMainForm::Reload() {
  const auto* Selected = AsNode(tvBeanTree->currentItem());
  const TNodePath Path = Selected ? PathOf(Selected) : TNodePath();
  Factory->FreeBean();
  const QScopedValueRollback Again(FReloading, true);
  LoadFile(CurrentFile);
  if (TTreeNode* Node = Find(*tvBeanTree, Path)) tvBeanTree->setCurrentItem(Node);
}
