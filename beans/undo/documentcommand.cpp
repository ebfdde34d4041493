#include "beans/undo/documentcommand.h"

#include "beans/beanfactory.h"

namespace {

void AddOrder(const TComponentTreeView& Tree, TTreeNode* Node, TTreeOrder& Order) {
  std::vector<TTreeNode*> Children = Tree.Children(Node);
  if (Children.empty()) return;
  Order.push_back({Node, Tree.IsExpanded(Node), Children});
  for (TTreeNode* Child : Children)
    AddOrder(Tree, Child, Order);
}

}  // namespace

TTreeOrder CurrentTreeOrder(const TBeanFactory& Factory) {
  TTreeOrder Order;
  if (TTreeNode* Root = Factory.NodeOf(nullptr)) AddOrder(Factory.Tree, Root, Order);
  return Order;
}

void TDocumentCommand::undo() {
  FAfter = CurrentTreeOrder(FFactory);
  TTreeNode* Node = Revert();
  Restore(FBefore);
  Done(Node);
}

void TDocumentCommand::redo() {
  TTreeNode* Node = Apply();
  if (!Pushing()) Restore(FAfter);
  Done(Node);
}

void TDocumentCommand::Restore(const TTreeOrder& Order) {
  TComponentTreeView& Tree = FFactory.Tree;
  for (const TNodeOrder& Entry : Order) {
    Tree.SetChildOrder(Entry.Node, Entry.Children);
    Entry.Expanded ? Tree.Expand(Entry.Node) : Tree.Collapse(Entry.Node);
  }
}

void TDocumentCommand::Done(TTreeNode* Node) {
  FFactory.Document().SetModified(true);
  if (FFactory.Tree.Selected() != Node) FFactory.Tree.Select(Node);
  if (Pushing()) {
    FPushed = true;
    return;
  }
  FFactory.Window.SetAttributesLive(false);
  FFactory.ShowSelection();
  FFactory.Window.SetAttributesLive(true);
}
