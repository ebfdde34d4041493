#include "beans/undo/documenthistory.h"

#include "beans/beanfactory.h"
#include "beans/undo/fieldcommands.h"
#include "beans/undo/itemcommands.h"

TDocumentHistory::TDocumentHistory(TBeanFactory& Factory) : FFactory(Factory) {
  connect(&Factory.Document(), &TJSBDocument::BeanReplaced, this, &TDocumentHistory::Clear);
}

void TDocumentHistory::SetText(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
                               const std::string& Value) {
  std::string Old = FFactory.Document().Text(Item, Attribute);
  if (!FFactory.Bean() || Old == Value) return;
  FStack.push(new TSetFieldCommand(FFactory, CurrentTreeOrder(FFactory), Item,
                                   std::string(Attribute), std::move(Old), Value, FRun));
}

void TDocumentHistory::SetFlag(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
                               bool Value) {
  const bool Old = FFactory.Document().Flag(Item, Attribute);
  if (!FFactory.Bean() || Old == Value) return;
  FStack.push(new TSetFieldCommand(FFactory, CurrentTreeOrder(FFactory), Item,
                                   std::string(Attribute), Old, Value, -1));
}

void TDocumentHistory::RenameNode(TTreeNode* Node, const QString& Name) {
  const TNodeData Data = Node ? FFactory.Tree.Data(Node) : TNodeData{};
  if (!FFactory.Bean() || (!Data.Bean && !Data.Item)) return;
  std::string Old = FFactory.Document().Text(Data.Item, "NAME");
  std::string New = FFactory.Bytes(Name);
  // An unchanged name still reaches the page's name field.
  if (Old == New) {
    FFactory.ShowName(Data.Item);
    return;
  }
  FStack.push(new TRenameCommand(FFactory, CurrentTreeOrder(FFactory), Data.Item, std::move(Old),
                                 std::move(New)));
}

TJSB_CustomCollectionItem* TDocumentHistory::AddDescriptor(TDescriptorKind Kind) {
  TTreeNode* Former = FFactory.Tree.Selected();
  TTreeOrder Before = CurrentTreeOrder(FFactory);
  TJSB_CustomCollectionItem* Item = FFactory.AddDescriptor(Kind);
  if (Item) FStack.push(new TAddItemCommand(FFactory, std::move(Before), Item, Former));
  return Item;
}

void TDocumentHistory::DeleteItem(TJSB_CustomCollectionItem* Item) {
  if (FFactory.Bean() && Item && Item->Node)
    FStack.push(new TDeleteItemCommand(FFactory, CurrentTreeOrder(FFactory), Item));
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
