// Adding and deleting descriptors. An item out of the document keeps its
// node, and a method its parameters with theirs, so that both come back
// whole, where they were.
#pragma once

#include <memory>

#include "beans/undo/documentcommand.h"

class TCollectionItem;
class TJSB_CustomCollectionItem;

class TDetachedItem {
 public:
  TDetachedItem(TBeanFactory& Factory, TJSB_CustomCollectionItem* Item);
  ~TDetachedItem();
  TDetachedItem(const TDetachedItem&) = delete;
  TDetachedItem& operator=(const TDetachedItem&) = delete;

  // Takes the item out of its collection and its node out of the tree;
  // answers the node that was above it.
  TTreeNode* Take();
  // Puts both back at their index and position; answers the item's node.
  TTreeNode* Put();

 private:
  TBeanFactory& FFactory;
  TJSB_CustomCollectionItem* const FItem;
  TTreeNode* const FNode;
  TTreeNode* FParent = nullptr;
  int FIndex = -1, FPosition = -1;
  // Held while the item is out of the document.
  std::unique_ptr<TCollectionItem> FTaken;
};

// A descriptor added with its node (a parameter under its method). Undone,
// the tree selects again the node that was selected before.
class TAddItemCommand : public TDocumentCommand {
 public:
  TAddItemCommand(TBeanFactory& Factory, TTreeOrder Before, TJSB_CustomCollectionItem* Item,
                  TTreeNode* Former);

 protected:
  TTreeNode* Apply() override;
  TTreeNode* Revert() override;

 private:
  TDetachedItem FItem;
  TTreeNode* const FFormer;
};

// A descriptor deleted with its node and children.
class TDeleteItemCommand : public TDocumentCommand {
 public:
  TDeleteItemCommand(TBeanFactory& Factory, TTreeOrder Before, TJSB_CustomCollectionItem* Item);

 protected:
  TTreeNode* Apply() override { return FItem.Take(); }
  TTreeNode* Revert() override { return FItem.Put(); }

 private:
  TDetachedItem FItem;
};
