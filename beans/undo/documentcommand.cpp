#include "beans/undo/documentcommand.h"

#include "beans/beanfactory.h"

#include <algorithm>

namespace {

TNodeOrder OrderOf(const TComponentTreeView& Tree, TTreeNode* Node) {
  return {Node, Tree.IsExpanded(Node), Tree.Children(Node)};
}

// Leaves are passed without asking the tree whether they are expanded.
void AddOrder(const TComponentTreeView& Tree, TTreeNode* Node, TTreeOrder& Order) {
  std::vector<TTreeNode*> Children = Tree.Children(Node);
  if (Children.empty()) return;
  Order.push_back({Node, Tree.IsExpanded(Node), Children});
  for (TTreeNode* Child : Children)
    AddOrder(Tree, Child, Order);
}

// The same nodes as Like, as they are now.
TTreeOrder OrderNow(const TComponentTreeView& Tree, const TTreeOrder& Like) {
  TTreeOrder Order;
  Order.reserve(Like.size());
  for (const TNodeOrder& Entry : Like)
    Order.push_back(OrderOf(Tree, Entry.Node));
  return Order;
}

}  // namespace

TTreeOrder CurrentTreeOrder(const TBeanFactory& Factory) {
  TTreeOrder Order;
  if (TTreeNode* Root = Factory.NodeOf(nullptr)) AddOrder(Factory.Tree, Root, Order);
  return Order;
}

TTreeOrder TreeOrderAround(const TBeanFactory& Factory, std::initializer_list<TTreeNode*> Nodes) {
  std::vector<TTreeNode*> Chain;
  const auto Add = [&Chain](TTreeNode* Node) {
    if (Node && std::find(Chain.begin(), Chain.end(), Node) == Chain.end()) Chain.push_back(Node);
  };
  Add(Factory.NodeOf(nullptr));
  for (TTreeNode* Node : Nodes)
    for (; Node; Node = Factory.Tree.ParentNode(Node))
      Add(Node);
  TTreeOrder Order;
  Order.reserve(Chain.size());
  for (TTreeNode* Node : Chain)
    Order.push_back(OrderOf(Factory.Tree, Node));
  return Order;
}

// The nodes of the order taken before the change, as the change left them.
void TDocumentCommand::undo() {
  FAfter = OrderNow(FFactory.Tree, FBefore);
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
  // A node already as it was is left alone.
  for (const TNodeOrder& Entry : Order) {
    Tree.SetChildOrder(Entry.Node, Entry.Children);
    if (Tree.IsExpanded(Entry.Node) == Entry.Expanded) continue;
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
