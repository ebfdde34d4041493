#include "beans/undo/documentcommand.h"

#include <algorithm>

#include "beans/jsbdocument.h"

namespace {

void AddOrder(const THistoryView& View, TObjectRef Object, TTreeOrder& Order) {
  TNodeOrder Entry = View.OrderOf(Object);
  if (Entry.Children.empty()) return;
  const std::vector<TJSB_CustomCollectionItem*> Children = Entry.Children;
  Order.push_back(std::move(Entry));
  for (TJSB_CustomCollectionItem* Child : Children)
    AddOrder(View, TObjectRef::Of(Child), Order);
}

// The same nodes as Like, as they are now.
TTreeOrder OrderNow(const THistoryView& View, const TTreeOrder& Like) {
  TTreeOrder Order;
  Order.reserve(Like.size());
  for (const TNodeOrder& Entry : Like)
    Order.push_back(View.OrderOf(Entry.Object));
  return Order;
}

}  // namespace

TTreeOrder WholeTreeOrder(const THistoryView& View) {
  TTreeOrder Order;
  AddOrder(View, TObjectRef::Of(nullptr), Order);
  return Order;
}

TTreeOrder TreeOrderAround(const THistoryView& View, std::initializer_list<TObjectRef> Objects) {
  std::vector<TObjectRef> Chain;
  const auto Add = [&Chain](TObjectRef Object) {
    if (Object && std::find(Chain.begin(), Chain.end(), Object) == Chain.end())
      Chain.push_back(Object);
  };
  Add(TObjectRef::Of(nullptr));
  for (TObjectRef Object : Objects)
    for (; Object; Object = View.ParentOf(Object))
      Add(Object);
  TTreeOrder Order;
  Order.reserve(Chain.size());
  for (TObjectRef Object : Chain)
    Order.push_back(View.OrderOf(Object));
  return Order;
}

// The nodes of the order taken before the change, as the change left them.
void TDocumentCommand::undo() {
  FAfter = OrderNow(FView, FBefore);
  const TObjectRef Object = Revert();
  Restore(FBefore);
  Done(Object);
}

void TDocumentCommand::redo() {
  const TObjectRef Object = Apply();
  if (!Pushing()) Restore(FAfter);
  Done(Object);
}

void TDocumentCommand::Restore(const TTreeOrder& Order) {
  for (const TNodeOrder& Entry : Order)
    FView.Restore(Entry);
}

void TDocumentCommand::Done(TObjectRef Object) {
  FDocument.SetModified(true);
  FView.Show(Object, !Pushing());
  FPushed = true;
}
