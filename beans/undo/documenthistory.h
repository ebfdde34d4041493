// The document's one history of changes: the attribute pages and the
// component tree make their changes through here, and Undo and Redo take
// them back and make them again. A new component or file empties it.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <string>
#include <string_view>

#include "beans/beanmodel.h"
#include "beans/jsbreader.h"
#include "beans/undo/documentcommand.h"

class TBeanFactory;

class TDocumentHistory : public QObject {
  Q_OBJECT

 public:
  // The steps name objects of the factory's document and are shown by the
  // factory, so the history goes before the factory.
  explicit TDocumentHistory(TBeanFactory& Factory);

  QUndoStack& Stack() { return FStack; }

  // A field of the item (none: the component) set from its page; the name
  // field renames. Texts typed into one field make one step.
  void SetText(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
               const std::string& Value);
  void SetFlag(TJSB_CustomCollectionItem* Item, std::string_view Attribute, bool Value);
  // A name given to the object's node in the tree's in-place editor.
  void Rename(TObjectRef Object, const QString& Name);
  // Adds a descriptor as the factory does; none when it added nothing.
  TJSB_CustomCollectionItem* AddDescriptor(TDescriptorKind Kind);
  // Deletes the item with its node and children; nothing is asked.
  void DeleteItem(TJSB_CustomCollectionItem* Item);

  void Undo();
  void Redo();
  // Ends the run of typing: the next text starts a step of its own.
  void Seal() { ++FRun; }
  void Clear();

 private:
  bool Merges(const TJSB_CustomCollectionItem* Item, std::string_view Attribute) const;
  // What changing or deleting Item can alter of the tree's order.
  TTreeOrder OrderAround(TJSB_CustomCollectionItem* Item) const;

  TBeanFactory& FFactory;
  const TCommandContext FContext;
  QUndoStack FStack;
  int FRun = 0;
};
