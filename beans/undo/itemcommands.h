// Adding and deleting descriptors. An item out of the document is held by
// its step, a method with its parameters, so that it comes back whole where
// it was; its node goes and comes back with it, made by the view.
#pragma once

#include <memory>

#include "beans/undo/documentcommand.h"

class TCollectionItem;
class TJSB_CustomCollectionItem;

class TDetachedItem {
 public:
  TDetachedItem(const TCommandContext& Context, TJSB_CustomCollectionItem* Item);
  ~TDetachedItem();
  TDetachedItem(const TDetachedItem&) = delete;
  TDetachedItem& operator=(const TDetachedItem&) = delete;

  // Takes the item out of its collection; answers the object shown above it.
  TObjectRef Take();
  // Puts it back at its index; answers the item.
  TObjectRef Put();

 private:
  TJSBDocument& FDocument;
  THistoryView& FView;
  TJSB_CustomCollectionItem* const FItem;
  int FIndex = -1;
  // Held while the item is out of the document.
  std::unique_ptr<TCollectionItem> FTaken;
};

// A descriptor added (a parameter to its method). Undone, the tree selects
// again what was selected before.
class TAddItemCommand : public TDocumentCommand {
 public:
  TAddItemCommand(const TCommandContext& Context, TTreeOrder Before,
                  TJSB_CustomCollectionItem* Item, TObjectRef Former);

 protected:
  TObjectRef Apply() override;
  TObjectRef Revert() override;

 private:
  TDetachedItem FItem;
  const TObjectRef FFormer;
};

// A descriptor deleted, a method with its parameters.
class TDeleteItemCommand : public TDocumentCommand {
 public:
  TDeleteItemCommand(const TCommandContext& Context, TTreeOrder Before,
                     TJSB_CustomCollectionItem* Item);

 protected:
  TObjectRef Apply() override { return FItem.Take(); }
  TObjectRef Revert() override { return FItem.Put(); }

 private:
  TDetachedItem FItem;
};
