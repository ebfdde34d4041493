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
  connect(&Document, &TJSBDocument::ItemAdded, this, &TValueMarks::ItemAdded);
  connect(&Document, &TJSBDocument::ItemRemoved, this, &TValueMarks::Forget);
  connect(&Document, &TJSBDocument::BeanReplaced, this, &TValueMarks::Clear);
}

const std::vector<TFieldLoss>& TValueMarks::Losses(TObject Item) {
  static const std::vector<TFieldLoss> None;
  const TJSBean* Bean = FDocument.Bean();
  if (!Bean) return None;
  const auto Found = FAnswers.find(Item);
  if (Found != FAnswers.end()) return Found->second;
  if (FComplete) return None;
  Keep(Item, CheckObject(*Bean, Item));
  return FAnswers[Item];
}

bool TValueMarks::Keep(TObject Item, std::vector<TFieldLoss> Losses) {
  static const std::vector<TFieldLoss> None;
  const auto Found = FAnswers.find(Item);
  const bool Differs = !SameLosses(Losses, Found != FAnswers.end() ? Found->second : None);
  if (Losses.empty())
    FLossy.erase(Item);
  else
    FLossy.insert(Item);
  FAnswers[Item] = std::move(Losses);
  return Differs;
}

// The first time, every object is checked, and only the answers that find
// something are kept; afterwards only those objects are looked at.
std::vector<TItemLoss> TValueMarks::All() {
  const TJSBean* Bean = FDocument.Bean();
  if (!Bean || (FComplete && FLossy.empty())) return {};
  static const std::vector<TFieldLoss> None;
  std::vector<TItemLoss> Out =
      CheckBean(*Bean, [this, Bean](TObject Item) -> std::vector<TFieldLoss> {
        if (FComplete) return FLossy.count(Item) ? FAnswers[Item] : None;
        const auto Found = FAnswers.find(Item);
        if (Found != FAnswers.end()) return Found->second;
        std::vector<TFieldLoss> Losses = CheckObject(*Bean, Item);
        if (!Losses.empty()) Keep(Item, Losses);
        return Losses;
      });
  FComplete = true;
  return Out;
}

// An object nobody has asked about stays unchecked.
void TValueMarks::FieldChanged(TJSB_CustomCollectionItem* Item) {
  if (!FDocument.Bean() || !Known(Item)) return;
  if (Keep(Item, CheckObject(*FDocument.Bean(), Item))) emit Changed(Item);
}

// An item put back may hold values that a save would change.
void TValueMarks::ItemAdded(TJSB_CustomCollectionItem* Item) {
  if (!FComplete || !FDocument.Bean()) return;
  Keep(Item, CheckObject(*FDocument.Bean(), Item));
  if (auto* Method = dynamic_cast<const TMethodDescriptor*>(Item))
    for (int I = 0; I < Method->Parameters().Count(); ++I)
      Keep(Method->Parameters().Items(I), CheckFields(*Method->Parameters().Items(I)));
}

// An item out of the document may be freed, and its address taken again.
void TValueMarks::Forget(TObject Item) {
  const auto Drop = [this](TObject Each) {
    FAnswers.erase(Each);
    FLossy.erase(Each);
  };
  Drop(Item);
  if (auto* Method = dynamic_cast<const TMethodDescriptor*>(Item))
    for (int I = 0; I < Method->Parameters().Count(); ++I)
      Drop(Method->Parameters().Items(I));
}

void TValueMarks::Clear() {
  FAnswers.clear();
  FLossy.clear();
  FComplete = false;
}
