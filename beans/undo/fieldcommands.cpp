#include "beans/undo/fieldcommands.h"

#include "beans/jsbdocument.h"

TSetFieldCommand::TSetFieldCommand(const TCommandContext& Context, TTreeOrder Before,
                                   TJSB_CustomCollectionItem* Item, std::string Attribute,
                                   TValue Old, TValue New, int Run)
    : TDocumentCommand(Context, std::move(Before)),
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

TObjectRef TSetFieldCommand::Set(const TValue& Value) {
  if (const auto* Text = std::get_if<std::string>(&Value))
    FDocument.SetText(FItem, FAttribute, *Text);
  else
    FDocument.SetFlag(FItem, FAttribute, std::get<bool>(Value));
  return TObjectRef::Of(FItem);
}

TObjectRef TRenameCommand::Apply() {
  const TObjectRef Object = TSetFieldCommand::Apply();
  if (Pushing() && FShowName) FShowName();
  return Object;
}
