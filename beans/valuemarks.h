// The values of the document that a save would change, object by object. An
// object's answer is worked out the first time someone asks for it and again
// once for each change of the object while it is known, so that its page,
// its tree node and the check before saving share one answer, and a large
// document checks only what has been shown.
#pragma once

#include <QObject>
#include <unordered_map>
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
  void FieldChanged(TJSB_CustomCollectionItem* Item);
  void Forget(const TJSB_CustomCollectionItem* Item);

  TJSBDocument& FDocument;
  // By the object (the component under none).
  std::unordered_map<const TJSB_CustomCollectionItem*, std::vector<TFieldLoss>> FKnown;
};
