#include "beans/undo/itemcommands.h"

#include "beans/beanfactory.h"

TDetachedItem::TDetachedItem(TBeanFactory& Factory, TJSB_CustomCollectionItem* Item)
    : FFactory(Factory), FItem(Item), FNode(Item->Node) {}

// An item that never came back goes with its node.
TDetachedItem::~TDetachedItem() {
  if (FTaken && FNode) FFactory.Tree.DiscardNode(FNode);
}

TTreeNode* TDetachedItem::Take() {
  TComponentTreeView& Tree = FFactory.Tree;
  TTreeNode* Above = Tree.NodeAbove(FNode);
  FParent = Tree.ParentNode(FNode);
  FPosition = Tree.TakeNode(FNode);
  FIndex = FItem->Index();
  FTaken = FFactory.Document().RemoveItem(FItem);
  return Above;
}

TTreeNode* TDetachedItem::Put() {
  FFactory.Tree.PutNode(FParent, FPosition, FNode);
  FFactory.Document().InsertItem(std::move(FTaken), FIndex);
  return FNode;
}

TAddItemCommand::TAddItemCommand(TBeanFactory& Factory, TTreeOrder Before,
                                 TJSB_CustomCollectionItem* Item, TTreeNode* Former)
    : TDocumentCommand(Factory, std::move(Before)), FItem(Factory, Item), FFormer(Former) {}

// The item is in the document already when the command is pushed.
TTreeNode* TAddItemCommand::Apply() {
  return Pushing() ? FFactory.Tree.Selected() : FItem.Put();
}

TTreeNode* TAddItemCommand::Revert() {
  FItem.Take();
  return FFormer;
}

TDeleteItemCommand::TDeleteItemCommand(TBeanFactory& Factory, TTreeOrder Before,
                                       TJSB_CustomCollectionItem* Item)
    : TDocumentCommand(Factory, std::move(Before)), FItem(Factory, Item) {}
