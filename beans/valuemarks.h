// The values of the document that a save would change, object by object. An
// object's answer is worked out the first time someone asks for it and again
// once for each change of the object while it is known, so that its page,
// its tree node and the check before saving share one answer, and a large
// document checks only what has been shown. Once the check before saving has
// gone through every object, every object counts as known, and the list
// comes from the few objects whose values would change.
#pragma once

#include <QObject>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "beans/valuecheck.h"

class TJSBDocument;

class TValueMarks : public QObject {
  Q_OBJECT

 public:
  explicit TValueMarks(TJSBDocument& Document);

  // The object's fields that would not survive (none: the component).
  const std::vector<TFieldLoss>& Losses(const TJSB_CustomCollectionItem* Item);
  // Every such field of the component, in the tree's order, from the answers
  // known and those worked out now.
  std::vector<TItemLoss> All();

 signals:
  // A change gave the object another answer; whoever shows it asks again.
  void Changed(TJSB_CustomCollectionItem* Item);

 private:
  using TObject = const TJSB_CustomCollectionItem*;  // none: the component
  bool Known(TObject Item) const { return FComplete || FAnswers.count(Item); }
  // Keeps Item's answer and tells whether it differs from the one before.
  bool Keep(TObject Item, std::vector<TFieldLoss> Losses);
  void FieldChanged(TJSB_CustomCollectionItem* Item);
  void ItemAdded(TJSB_CustomCollectionItem* Item);
  void Forget(TObject Item);
  void Clear();

  TJSBDocument& FDocument;
  // The answers asked for or renewed; once complete, an object not here has
  // none to give.
  std::unordered_map<TObject, std::vector<TFieldLoss>> FAnswers;
  std::unordered_set<TObject> FLossy;  // those whose answer is not empty
  bool FComplete = false;
};
