#include "beans/undo/itemcommands.h"

#include "beans/collection.h"
#include "beans/jsbdocument.h"

TDetachedItem::TDetachedItem(const TCommandContext& Context, TJSB_CustomCollectionItem* Item)
    : FDocument(Context.Document), FView(Context.View), FItem(Item) {}

TDetachedItem::~TDetachedItem() = default;

TObjectRef TDetachedItem::Take() {
  const TObjectRef Above = FView.Above(TObjectRef::Of(FItem));
  FIndex = FItem->Index();
  FTaken = FDocument.RemoveItem(FItem);
  return Above;
}

TObjectRef TDetachedItem::Put() {
  FDocument.InsertItem(std::move(FTaken), FIndex);
  return TObjectRef::Of(FItem);
}

TAddItemCommand::TAddItemCommand(const TCommandContext& Context, TTreeOrder Before,
                                 TJSB_CustomCollectionItem* Item, TObjectRef Former)
    : TDocumentCommand(Context, std::move(Before)), FItem(Context, Item), FFormer(Former) {}

// The item is in the document already when the command is pushed.
TObjectRef TAddItemCommand::Apply() {
  return Pushing() ? FView.Selected() : FItem.Put();
}

TObjectRef TAddItemCommand::Revert() {
  FItem.Take();
  return FFormer;
}

TDeleteItemCommand::TDeleteItemCommand(const TCommandContext& Context, TTreeOrder Before,
                                       TJSB_CustomCollectionItem* Item)
    : TDocumentCommand(Context, std::move(Before)), FItem(Context, Item) {}
