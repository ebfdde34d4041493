#include "beans/undo/fieldcommands.h"

#include "beans/beanfactory.h"

TSetFieldCommand::TSetFieldCommand(TBeanFactory& Factory, TTreeOrder Before,
                                   TJSB_CustomCollectionItem* Item, std::string Attribute,
                                   TValue Old, TValue New, int Run)
    : TDocumentCommand(Factory, std::move(Before)),
      FItem(Item),
      FOld(std::move(Old)),
      FNew(std::move(New)),
      FAttribute(std::move(Attribute)),
      FRun(Run) {}

bool TSetFieldCommand::mergeWith(const QUndoCommand* Other) {
  const auto* Next = dynamic_cast<const TSetFieldCommand*>(Other);
  if (!Next || !Continues(Next->FItem, Next->FAttribute, Next->FRun)) return false;
  FNew = Next->FNew;
  // Typing back what was there leaves no step behind.
  setObsolete(FNew == FOld);
  return true;
}

TTreeNode* TSetFieldCommand::Set(const TValue& Value) {
  TJSBDocument& Document = FFactory.Document();
  if (const auto* Text = std::get_if<std::string>(&Value))
    Document.SetText(FItem, FAttribute, *Text);
  else
    Document.SetFlag(FItem, FAttribute, std::get<bool>(Value));
  return FFactory.NodeOf(FItem);
}

// The first time, the page's name field learns the name the tree gave.
TTreeNode* TRenameCommand::Apply() {
  TTreeNode* Node = TSetFieldCommand::Apply();
  if (Pushing()) FFactory.ShowName(FItem);
  return Node;
}
