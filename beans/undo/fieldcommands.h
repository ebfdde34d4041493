// Setting a field of the component or of an item: a text typed or picked, a
// tick, and a name given in the tree.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "beans/undo/documentcommand.h"

class TJSB_CustomCollectionItem;

class TSetFieldCommand : public TDocumentCommand {
 public:
  using TValue = std::variant<std::string, bool>;
  // Run numbers the typing run the change belongs to: a text merges with the
  // next one for the same field of the same object and the same run. -1
  // merges with nothing.
  TSetFieldCommand(const TCommandContext& Context, TTreeOrder Before,
                   TJSB_CustomCollectionItem* Item, std::string Attribute, TValue Old, TValue New,
                   int Run);

  int id() const override { return FRun < 0 ? -1 : 1; }
  bool mergeWith(const QUndoCommand* Other) override;
  // Whether a text for this field of Item in this run merges into this step.
  bool Continues(const TJSB_CustomCollectionItem* Item, std::string_view Attribute, int Run) const {
    return FRun >= 0 && Run == FRun && Item == FItem && Attribute == FAttribute;
  }

 protected:
  TObjectRef Apply() override { return Set(FNew); }
  TObjectRef Revert() override { return Set(FOld); }
  TObjectRef Set(const TValue& Value);

  TJSB_CustomCollectionItem* const FItem;

 private:
  const TValue FOld;
  TValue FNew;
  const std::string FAttribute;
  const int FRun;
};

// A name given in the tree's in-place editor: one step each. The first
// time, the page's name field learns the name the tree gave.
class TRenameCommand : public TSetFieldCommand {
 public:
  TRenameCommand(const TCommandContext& Context, TTreeOrder Before, TJSB_CustomCollectionItem* Item,
                 std::string Old, std::string New, std::function<void()> ShowName)
      : TSetFieldCommand(Context, std::move(Before), Item, "NAME", std::move(Old), std::move(New),
                         -1),
        FShowName(std::move(ShowName)) {}

 protected:
  TObjectRef Apply() override;

 private:
  const std::function<void()> FShowName;
};
