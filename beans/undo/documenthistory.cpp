#include "beans/undo/documenthistory.h"

#include "beans/beanfactory.h"
#include "beans/undo/fieldcommands.h"
#include "beans/undo/itemcommands.h"

TDocumentHistory::TDocumentHistory(TBeanFactory& Factory)
    : FFactory(Factory), FContext{Factory.Document(), Factory} {
  connect(&Factory.Document(), &TJSBDocument::BeanReplaced, this, &TDocumentHistory::Clear);
}

// A text that goes on the step before it is merged into that step and then
// dropped, so the tree's order it would keep is never asked for.
bool TDocumentHistory::Merges(const TJSB_CustomCollectionItem* Item,
                              std::string_view Attribute) const {
  const int Index = FStack.index();
  // The stack merges nothing into the step it holds as clean.
  const int Clean = FStack.cleanIndex() > Index ? -1 : FStack.cleanIndex();
  if (Index == 0 || Index == Clean) return false;
  const auto* Top = dynamic_cast<const TSetFieldCommand*>(FStack.command(Index - 1));
  return Top && Top->Continues(Item, Attribute, FRun);
}

void TDocumentHistory::SetText(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
                               const std::string& Value) {
  std::string Old = FFactory.Document().Text(Item, Attribute);
  if (!FFactory.Bean() || Old == Value) return;
  const bool Merging = Merges(Item, Attribute);
  auto* Command = new TSetFieldCommand(FContext, Merging ? TTreeOrder() : OrderAround(Item), Item,
                                       std::string(Attribute), std::move(Old), Value, FRun);
  FStack.push(Command);
  // Should the stack have kept it after all, a field's text leaves the order
  // as it found it: the order now stands for the one before.
  if (Merging && FStack.index() > 0 && FStack.command(FStack.index() - 1) == Command)
    Command->KeepOrderBefore(OrderAround(Item));
}

TTreeOrder TDocumentHistory::OrderAround(TJSB_CustomCollectionItem* Item) const {
  return TreeOrderAround(FFactory, {TObjectRef::Of(Item)});
}

void TDocumentHistory::SetFlag(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
                               bool Value) {
  const bool Old = FFactory.Document().Flag(Item, Attribute);
  if (!FFactory.Bean() || Old == Value) return;
  FStack.push(new TSetFieldCommand(FContext, OrderAround(Item), Item, std::string(Attribute), Old,
                                   Value, -1));
}

void TDocumentHistory::Rename(TObjectRef Object, const QString& Name) {
  if (!FFactory.Bean() || !Object) return;
  TJSB_CustomCollectionItem* Item = Object.Item;
  std::string Old = FFactory.Document().Text(Item, "NAME");
  std::string New = FFactory.Bytes(Name);
  // An unchanged name still reaches the page's name field. A name given in
  // the tree sorts every level of it, so the whole order is kept.
  if (Old == New) {
    FFactory.ShowName(Item);
    return;
  }
  FStack.push(new TRenameCommand(FContext, WholeTreeOrder(FFactory), Item, std::move(Old),
                                 std::move(New), [this, Item] { FFactory.ShowName(Item); }));
}

TJSB_CustomCollectionItem* TDocumentHistory::AddDescriptor(TDescriptorKind Kind) {
  const TObjectRef Former = FFactory.Selected();
  // The item goes below the root or the method of the node selected.
  TTreeOrder Before = TreeOrderAround(FFactory, {Former});
  TJSB_CustomCollectionItem* Item = FFactory.AddDescriptor(Kind);
  if (Item) FStack.push(new TAddItemCommand(FContext, std::move(Before), Item, Former));
  return Item;
}

void TDocumentHistory::DeleteItem(TJSB_CustomCollectionItem* Item) {
  if (FFactory.Bean() && Item && FFactory.NodeOf(Item))
    FStack.push(new TDeleteItemCommand(FContext, OrderAround(Item), Item));
}

void TDocumentHistory::Undo() {
  Seal();
  FStack.undo();
}

void TDocumentHistory::Redo() {
  Seal();
  FStack.redo();
}

void TDocumentHistory::Clear() {
  FStack.clear();
  Seal();
}
