#include "beanmodel.h"

#include "attributeview.h"

// Out of line: inlined into a caller with a literal, GCC 12 warns of an
// overlap that cannot happen.
bool beanmodel_detail::Assign(std::string& Field, std::string_view Value) {
  if (Field == Value) return false;
  Field.assign(Value);
  return true;
}

TJSBean* TParameterCollection::OwnerBean() const {
  return FMethod ? FMethod->Bean() : nullptr;
}

TJSB_CustomCollectionItem::TJSB_CustomCollectionItem(TCollection* Collection)
    : TCollectionItem(Collection), FBean(Collection ? Collection->OwnerBean() : nullptr) {}

void TJSB_CustomCollectionItem::MakeCurrent() {
  if (auto* Own = dynamic_cast<TJSB_CustomCollection*>(Collection()))
    Own->ItemIndex = Index();
  else if (auto* Params = dynamic_cast<TParameterCollection*>(Collection()))
    Params->ItemIndex = Index();
}

void TPropertyDescriptor::ShowAttributes(TAttributeView& View) {
  View.ShowPropertyAttributes(*this);
  MakeCurrent();
}
void TPropertyDescriptor::ShowName(TAttributeView& View) {
  View.ShowPropertyName(*this);
}

TMethodDescriptor* TParameterDescriptor::Method() const {
  auto* Params = dynamic_cast<TParameterCollection*>(Collection());
  return Params ? Params->Method() : nullptr;
}
void TParameterDescriptor::ShowAttributes(TAttributeView& View) {
  View.ShowParameterAttributes(*this);
  MakeCurrent();
}
void TParameterDescriptor::ShowName(TAttributeView& View) {
  View.ShowParameterName(*this);
}

TMethodDescriptor::TMethodDescriptor(TCollection* Collection)
    : TJSB_CustomCollectionItem(Collection),
      FParameters(std::make_unique<TParameterDescriptors>(this)) {}

// Parameters go first, while the method they point back at still exists.
TMethodDescriptor::~TMethodDescriptor() {
  FParameters.reset();
}

void TMethodDescriptor::ShowAttributes(TAttributeView& View) {
  View.ShowMethodAttributes(*this);
  MakeCurrent();
}
void TMethodDescriptor::ShowName(TAttributeView& View) {
  View.ShowMethodName(*this);
}

void TEventSetDescriptor::ShowAttributes(TAttributeView& View) {
  View.ShowEventAttributes(*this);
  MakeCurrent();
}
void TEventSetDescriptor::ShowName(TAttributeView& View) {
  View.ShowEventName(*this);
}

void TJSInterface::ShowAttributes(TAttributeView& View) {
  View.ShowInterfaceAttributes(*this);
  MakeCurrent();
}
void TJSInterface::ShowName(TAttributeView& View) {
  View.ShowInterfaceName(*this);
}

TJSBean::TJSBean()
    : FProperties(std::make_unique<TPropertyDescriptors>(this)),
      FMethods(std::make_unique<TMethodDescriptors>(this)),
      FEventSets(std::make_unique<TEventSetDescriptors>(this)),
      FInterfaces(std::make_unique<TJSInterfaces>(this)) {}

TJSBean::~TJSBean() = default;

void TJSBean::ShowAttributes(TAttributeView& View) {
  View.ShowBeanAttributes(*this);
}
void TJSBean::ShowName(TAttributeView& View) {
  View.ShowBeanName(*this);
}
