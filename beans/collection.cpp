#include "collection.h"

#include <algorithm>

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
  // Take the item out first so that its destructor sees a consistent collection.
  Take(Index);
}

std::unique_ptr<TCollectionItem> TCollection::Take(int Index) {
  if (Index < 0 || Index >= Count()) return nullptr;
  std::unique_ptr<TCollectionItem> Taken = std::move(FItems[static_cast<size_t>(Index)]);
  FItems.erase(FItems.begin() + Index);
  Taken->FIndex = -1;
  Renumber(static_cast<size_t>(Index));
  return Taken;
}

void TCollection::Insert(int Index, std::unique_ptr<TCollectionItem> Item) {
  if (!Item || Item->FCollection != this) return;
  const int At = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + At, std::move(Item));
  Renumber(static_cast<size_t>(At));
}

void TCollection::Renumber(size_t From) {
  for (size_t I = From; I < FItems.size(); ++I)
    FItems[I]->FIndex = static_cast<int>(I);
}
