// An ordered collection that owns its items. Every item knows its collection
// and its own index; freeing an item removes it and shifts the later items
// down by one.
#pragma once

#include <memory>
#include <vector>

class TCollection;
class TJSBean;

class TCollectionItem {
 public:
  explicit TCollectionItem(TCollection* Collection) : FCollection(Collection) {}
  virtual ~TCollectionItem() = default;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  // The position in the collection; -1 while taken out of it.
  int Index() const { return FIndex; }
  // Removes the item from its collection and destroys it.
  void Free();

 private:
  friend class TCollection;
  TCollection* FCollection;
  int FIndex = -1;
};

class TCollection {
 public:
  TCollection() = default;
  virtual ~TCollection() = default;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  // The item at Index, or nullptr when Index is out of range.
  TCollectionItem* GetItem(int Index) const;
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  // Takes the item at Index out, shifting the later items down; it keeps
  // knowing this collection, so that Insert can put it back. None when Index
  // is out of range.
  std::unique_ptr<TCollectionItem> Take(int Index);
  // Puts an item of this collection in at Index (clamped to 0..Count),
  // shifting the later items up.
  void Insert(int Index, std::unique_ptr<TCollectionItem> Item);
  // The component whose descriptors this collection holds, if any; items
  // ask it once, when they are made.
  virtual TJSBean* OwnerBean() const { return nullptr; }

 protected:
  template <class TItem>
  TItem* AddItem() {
    auto Item = std::make_unique<TItem>(this);
    TItem* Raw = Item.get();
    Raw->FIndex = Count();
    FItems.push_back(std::move(Item));
    return Raw;
  }

 private:
  void Renumber(size_t From);

  std::vector<std::unique_ptr<TCollectionItem>> FItems;
};

// A collection whose Add and Items are typed for one item class.
template <class TItem, class TBase>
class TTypedCollection : public TBase {
 public:
  using TBase::TBase;
  TItem* Add() { return this->template AddItem<TItem>(); }
  TItem* Items(int Index) const { return static_cast<TItem*>(this->GetItem(Index)); }
};
