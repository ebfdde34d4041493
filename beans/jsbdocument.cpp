#include "beans/jsbdocument.h"

#include "beans/beanfields.h"
#include "beans/uitext.h"

namespace {

template <class T>
bool SetTextOf(T& Obj, std::string_view Attribute, const std::string& Value) {
  const TField<T>* F = FieldByAttribute<T>(Attribute);
  if (!F || F->IsFlag() || (Obj.*F->GetText)() == Value) return false;
  (Obj.*F->SetText)(Value);
  return true;
}

template <class T>
bool SetFlagOf(T& Obj, std::string_view Attribute, bool Value) {
  const TField<T>* F = FieldByAttribute<T>(Attribute);
  if (!F || !F->IsFlag() || (Obj.*F->GetFlag)() == Value) return false;
  (Obj.*F->SetFlag)(Value);
  return true;
}

template <class T>
std::string TextOf(T& Obj, std::string_view Attribute) {
  const TField<T>* F = FieldByAttribute<T>(Attribute);
  return F && !F->IsFlag() ? (Obj.*F->GetText)() : std::string();
}

template <class T>
bool FlagOf(T& Obj, std::string_view Attribute) {
  const TField<T>* F = FieldByAttribute<T>(Attribute);
  return F && F->IsFlag() && (Obj.*F->GetFlag)();
}

// Calls Fn with the item as its own class, or with the component when there
// is no item; what Fn answers, or nothing.
template <class F>
auto WithClass(TJSBean* Bean, TJSB_CustomCollectionItem* Item, F Fn) {
  using R = decltype(Fn(*Bean));
  if (!Item) return Bean ? Fn(*Bean) : R();
  if (auto* P = dynamic_cast<TPropertyDescriptor*>(Item)) return Fn(*P);
  if (auto* M = dynamic_cast<TMethodDescriptor*>(Item)) return Fn(*M);
  if (auto* A = dynamic_cast<TParameterDescriptor*>(Item)) return Fn(*A);
  if (auto* E = dynamic_cast<TEventSetDescriptor*>(Item)) return Fn(*E);
  if (auto* I = dynamic_cast<TJSInterface*>(Item)) return Fn(*I);
  return R();
}

}  // namespace

TJSBDocument::TJSBDocument(QObject* Parent) : QObject(Parent) {}

TJSBDocument::~TJSBDocument() = default;

template <class F>
auto TJSBDocument::Tracked(F Change) {
  const bool Was = FBean && FBean->Modified();
  auto Result = Change();
  if (FBean && FBean->Modified() != Was) emit ModifiedChanged(FBean->Modified());
  return Result;
}

void TJSBDocument::Adopt(std::unique_ptr<TJSBean> Bean, TTextEncoding Encoding) {
  FBean = std::move(Bean);
  FEncoding = Encoding;
  emit BeanReplaced();
}

void TJSBDocument::Free() {
  FBean.reset();
  emit BeanReplaced();
}

bool TJSBDocument::SetText(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
                           const std::string& Value) {
  if (!FBean) return false;
  const bool Changed = Tracked([&] {
    return WithClass(FBean.get(), Item,
                     [&](auto& Obj) { return SetTextOf(Obj, Attribute, Value); });
  });
  if (Changed) emit FieldChanged(Item, QString::fromLatin1(Attribute));
  return Changed;
}

bool TJSBDocument::SetFlag(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
                           bool Value) {
  if (!FBean) return false;
  const bool Changed = Tracked([&] {
    return WithClass(FBean.get(), Item,
                     [&](auto& Obj) { return SetFlagOf(Obj, Attribute, Value); });
  });
  if (Changed) emit FieldChanged(Item, QString::fromLatin1(Attribute));
  return Changed;
}

std::string TJSBDocument::Text(TJSB_CustomCollectionItem* Item, std::string_view Attribute) const {
  return WithClass(FBean.get(), Item, [&](auto& Obj) { return TextOf(Obj, Attribute); });
}

bool TJSBDocument::Flag(TJSB_CustomCollectionItem* Item, std::string_view Attribute) const {
  return WithClass(FBean.get(), Item, [&](auto& Obj) { return FlagOf(Obj, Attribute); });
}

TJSB_CustomCollectionItem* TJSBDocument::AddItem(TDescriptorKind Kind, TMethodDescriptor* Method) {
  if (!FBean) return nullptr;
  TJSB_CustomCollectionItem* Item = nullptr;
  switch (Kind) {
    case dkProperty:
      Item = FBean->Properties().Add();
      break;
    case dkEvent:
      Item = FBean->EventSets().Add();
      break;
    case dkMethod:
      Item = FBean->Methods().Add();
      break;
    case dkInterface:
      Item = FBean->Interfaces().Add();
      break;
    case dkParameter:
      if (Method) Item = Method->Parameters().Add();
      break;
  }
  if (Item) emit ItemAdded(Item);
  return Item;
}

std::unique_ptr<TCollectionItem> TJSBDocument::RemoveItem(TJSB_CustomCollectionItem* Item) {
  if (!Item || !Item->Collection()) return nullptr;
  std::unique_ptr<TCollectionItem> Taken = Item->Collection()->Take(Item->Index());
  if (Taken) emit ItemRemoved(Item);
  return Taken;
}

void TJSBDocument::InsertItem(std::unique_ptr<TCollectionItem> Item, int Index) {
  auto* Own = dynamic_cast<TJSB_CustomCollectionItem*>(Item.get());
  if (!Own || !Own->Collection()) return;
  Own->Collection()->Insert(Index, std::move(Item));
  emit ItemAdded(Own);
}

void TJSBDocument::SetModified(bool Value) {
  if (!FBean) return;
  Tracked([&] {
    FBean->SetModified(Value);
    return true;
  });
}

std::string TJSBDocument::Bytes(const QString& Text) {
  std::string Utf8 = ToBytes(Text, TTextEncoding::Utf8);
  if (FEncoding == TTextEncoding::Latin1 && !FromUtf8(Utf8, TTextEncoding::Latin1))
    FEncoding = TTextEncoding::Utf8;
  return Utf8;
}
