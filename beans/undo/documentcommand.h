// The base of the commands that change the document. Each makes its change
// and takes it back; the base puts the tree's order back as it was around the
// change (the tree sorts itself after a name is given in place), then selects
// the node of what changed and fills its page.
#pragma once

#include <QUndoCommand>
#include <initializer_list>
#include <utility>
#include <vector>

class TBeanFactory;
class TTreeNode;

// Each node of the tree that has children: whether it is expanded, and its
// children in order.
struct TNodeOrder {
  TTreeNode* Node;
  bool Expanded;
  std::vector<TTreeNode*> Children;
};
using TTreeOrder = std::vector<TNodeOrder>;
// Every node with children: what sorting the tree can alter.
TTreeOrder CurrentTreeOrder(const TBeanFactory& Factory);
// Nodes and every node above them, the root always, with or without
// children: all that adding, deleting or changing one item can alter, and
// selecting its node, which expands the nodes above it.
TTreeOrder TreeOrderAround(const TBeanFactory& Factory, std::initializer_list<TTreeNode*> Nodes);

class TDocumentCommand : public QUndoCommand {
 public:
  void undo() final;
  void redo() final;
  void KeepOrderBefore(TTreeOrder Before) { FBefore = std::move(Before); }

 protected:
  // Before is the tree's order before the change.
  TDocumentCommand(TBeanFactory& Factory, TTreeOrder Before)
      : FFactory(Factory), FBefore(std::move(Before)) {}

  // Make the change and take it back; each answers the node to select.
  virtual TTreeNode* Apply() = 0;
  virtual TTreeNode* Revert() = 0;
  // True while QUndoStack::push runs the first redo: the user made the change
  // in a view that shows it already.
  bool Pushing() const { return !FPushed; }

  TBeanFactory& FFactory;

 private:
  void Restore(const TTreeOrder& Order);
  // The document counts as changed (an undo never makes it unchanged) and
  // the tree selects Node; after the push, its page is filled anew.
  void Done(TTreeNode* Node);

  TTreeOrder FBefore, FAfter;
  bool FPushed = false;
};
