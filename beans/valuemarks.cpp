#include "beans/valuemarks.h"

#include <algorithm>
#include <string_view>

#include "beans/jsbdocument.h"

namespace {

bool SameLoss(const TFieldLoss& A, const TFieldLoss& B) {
  return std::string_view(A.Attribute) == B.Attribute && A.Loss.Cause == B.Loss.Cause &&
         A.Loss.Outcome == B.Loss.Outcome;
}

bool SameLosses(const std::vector<TFieldLoss>& A, const std::vector<TFieldLoss>& B) {
  return std::equal(A.begin(), A.end(), B.begin(), B.end(), SameLoss);
}

std::vector<TFieldLoss> CheckObject(const TJSBean& Bean, const TJSB_CustomCollectionItem* Item) {
  return Item ? CheckFields(*Item) : CheckFields(Bean);
}

}  // namespace

TValueMarks::TValueMarks(TJSBDocument& Document) : FDocument(Document) {
  connect(&Document, &TJSBDocument::FieldChanged, this, &TValueMarks::FieldChanged);
  connect(&Document, &TJSBDocument::ItemRemoved, this, &TValueMarks::Forget);
  connect(&Document, &TJSBDocument::BeanReplaced, this, [this] { FKnown.clear(); });
}

const std::vector<TFieldLoss>& TValueMarks::Losses(const TJSB_CustomCollectionItem* Item) {
  static const std::vector<TFieldLoss> None;
  const TJSBean* Bean = FDocument.Bean();
  if (!Bean) return None;
  const auto Known = FKnown.find(Item);
  if (Known != FKnown.end()) return Known->second;
  return FKnown.emplace(Item, CheckObject(*Bean, Item)).first->second;
}

std::vector<TItemLoss> TValueMarks::All() {
  const TJSBean* Bean = FDocument.Bean();
  if (!Bean) return {};
  return CheckBean(*Bean, [this](const TJSB_CustomCollectionItem* Item) { return Losses(Item); });
}

// An object nobody has asked about stays unchecked.
void TValueMarks::FieldChanged(TJSB_CustomCollectionItem* Item) {
  const auto Known = FKnown.find(Item);
  if (Known == FKnown.end() || !FDocument.Bean()) return;
  std::vector<TFieldLoss> Now = CheckObject(*FDocument.Bean(), Item);
  if (SameLosses(Now, Known->second)) return;
  Known->second = std::move(Now);
  emit Changed(Item);
}

// An item out of the document may be freed, and its address taken again.
void TValueMarks::Forget(const TJSB_CustomCollectionItem* Item) {
  FKnown.erase(Item);
  if (auto* Method = dynamic_cast<const TMethodDescriptor*>(Item))
    for (int I = 0; I < Method->Parameters().Count(); ++I)
      FKnown.erase(Method->Parameters().Items(I));
}
