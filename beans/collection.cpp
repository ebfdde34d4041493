#include "collection.h"

void TCollectionItem::Free() {
  if (FCollection)
    FCollection->Delete(FIndex);
  else
    delete this;
}

TCollectionItem* TCollection::GetItem(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(Index)].get();
}

void TCollection::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  // Take the item out first so that its destructor sees a consistent collection.
  std::unique_ptr<TCollectionItem> Doomed = std::move(FItems[static_cast<size_t>(Index)]);
  FItems.erase(FItems.begin() + Index);
  for (size_t I = static_cast<size_t>(Index); I < FItems.size(); ++I)
    FItems[I]->FIndex = static_cast<int>(I);
}
