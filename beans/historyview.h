// What a step of the history keeps of the views around the document, and
// what it asks of them: plain values naming the objects of the document, the
// order and expansion of the tree's nodes they show, and showing one of them
// once the step is made. The history never holds a node of the tree.
#pragma once

#include <vector>

class TJSB_CustomCollectionItem;

// An object of the document: the component, an item, or nothing.
struct TObjectRef {
  TJSB_CustomCollectionItem* Item = nullptr;
  bool Component = false;

  // The item, or the component for none.
  static TObjectRef Of(TJSB_CustomCollectionItem* Item) { return {Item, Item == nullptr}; }
  explicit operator bool() const { return Item || Component; }
  bool operator==(const TObjectRef&) const = default;
};

// The node showing Object: whether it is expanded, and the items its
// children show, in order.
struct TNodeOrder {
  TObjectRef Object;
  bool Expanded = false;
  std::vector<TJSB_CustomCollectionItem*> Children;
};
using TTreeOrder = std::vector<TNodeOrder>;

class THistoryView {
 public:
  virtual ~THistoryView() = default;
  // The node of the object as it is now; a node without children is never
  // asked whether it is expanded.
  virtual TNodeOrder OrderOf(TObjectRef Object) const = 0;
  // The object the parent of the object's node shows; nothing for the root.
  virtual TObjectRef ParentOf(TObjectRef Object) const = 0;
  // Puts the node's children in the order and expands or collapses it.
  virtual void Restore(const TNodeOrder& Order) = 0;
  virtual TObjectRef Selected() const = 0;
  // The object of the node shown above the object's node.
  virtual TObjectRef Above(TObjectRef Object) const = 0;
  // Selects the object's node (nothing: no node); Fill fills its page anew.
  virtual void Show(TObjectRef Object, bool Fill) = 0;
};
