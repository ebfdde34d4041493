// The in-memory form of one JSB file: a component and its descriptors.
// Every setter stores a changed value only (strings compared exactly, letter
// case counts) and then marks the owning bean modified.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "collection.h"

class TTreeNode;  // a node of the component tree; defined by the window
class TAttributeView;
class TJSBean;
class TMethodDescriptor;

namespace beanmodel_detail {
// Text comes in as a view, so that a caller holding the bytes elsewhere (the
// reader, in the file's text) hands them over without a string of its own.
bool Assign(std::string& Field, std::string_view Value);
inline bool Assign(bool& Field, bool Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
}  // namespace beanmodel_detail

// Base of every descriptor collection that belongs to the bean itself.
class TJSB_CustomCollection : public TCollection {
 public:
  explicit TJSB_CustomCollection(TJSBean* Bean) : FBean(Bean) {}
  TJSBean* Bean() const { return FBean; }
  TJSBean* OwnerBean() const override { return FBean; }
  // The item whose attributes were shown last; only ShowAttributes moves it.
  int ItemIndex = 0;

 private:
  TJSBean* FBean;
};

// Base of every descriptor item.
class TJSB_CustomCollectionItem : public TCollectionItem {
 public:
  explicit TJSB_CustomCollectionItem(TCollection* Collection);

  const std::string& Name() const { return FName; }
  const std::string& DisplayName() const { return FDisplayName; }
  const std::string& ShortDescription() const { return FShortDescription; }
  void SetName(std::string_view Value) { Change(FName, Value); }
  void SetDisplayName(std::string_view Value) { Change(FDisplayName, Value); }
  void SetShortDescription(std::string_view Value) { Change(FShortDescription, Value); }

  TJSBean* Bean() const { return FBean; }
  TTreeNode* Node = nullptr;  // not owned

  // Fills this item's page and makes the item its collection's current one.
  virtual void ShowAttributes(TAttributeView& View) = 0;
  // Refreshes only the name field of this item's page.
  virtual void ShowName(TAttributeView& View) = 0;

 protected:
  template <class T, class V>
  void Change(T& Field, V Value);
  // Sets the ItemIndex of the collection that holds this item to its index.
  void MakeCurrent();

 private:
  std::string FName, FDisplayName, FShortDescription;
  TJSBean* FBean = nullptr;
};

class TPropertyDescriptor : public TJSB_CustomCollectionItem {
 public:
  using TJSB_CustomCollectionItem::TJSB_CustomCollectionItem;

  const std::string& Type() const { return FType; }
  const std::string& PropType() const { return FPropType; }
  const std::string& EventModel() const { return FEventModel; }
  const std::string& Env() const { return FEnv; }
  const std::string& ValueSet() const { return FValueSet; }
  const std::string& PropertyEditor() const { return FPropertyEditor; }
  const std::string& ReadMethod() const { return FReadMethod; }
  const std::string& WriteMethod() const { return FWriteMethod; }
  bool IsDefault() const { return FIsDefault; }
  bool IsBound() const { return FIsBound; }
  bool IsRuntime() const { return FIsRuntime; }

  void SetType(std::string_view Value) { Change(FType, Value); }
  void SetPropType(std::string_view Value) { Change(FPropType, Value); }
  void SetEventModel(std::string_view Value) { Change(FEventModel, Value); }
  void SetEnv(std::string_view Value) { Change(FEnv, Value); }
  void SetValueSet(std::string_view Value) { Change(FValueSet, Value); }
  void SetPropertyEditor(std::string_view Value) { Change(FPropertyEditor, Value); }
  void SetReadMethod(std::string_view Value) { Change(FReadMethod, Value); }
  void SetWriteMethod(std::string_view Value) { Change(FWriteMethod, Value); }
  void SetIsDefault(bool Value) { Change(FIsDefault, Value); }
  void SetIsBound(bool Value) { Change(FIsBound, Value); }
  void SetIsRuntime(bool Value) { Change(FIsRuntime, Value); }

  void ShowAttributes(TAttributeView& View) override;
  void ShowName(TAttributeView& View) override;

 private:
  std::string FType, FPropType, FEventModel, FEnv, FValueSet, FPropertyEditor, FReadMethod,
      FWriteMethod;
  bool FIsDefault = false, FIsBound = false, FIsRuntime = false;
};

class TParameterDescriptor : public TJSB_CustomCollectionItem {
 public:
  using TJSB_CustomCollectionItem::TJSB_CustomCollectionItem;

  const std::string& Type() const { return FType; }
  const std::string& ValueSet() const { return FValueSet; }
  void SetType(std::string_view Value) { Change(FType, Value); }
  void SetValueSet(std::string_view Value) { Change(FValueSet, Value); }
  // The method that owns this parameter.
  TMethodDescriptor* Method() const;

  void ShowAttributes(TAttributeView& View) override;
  void ShowName(TAttributeView& View) override;

 private:
  std::string FType, FValueSet;
};

// The parameters of one method.
class TParameterCollection : public TCollection {
 public:
  explicit TParameterCollection(TMethodDescriptor* Method) : FMethod(Method) {}
  TMethodDescriptor* Method() const { return FMethod; }
  TJSBean* OwnerBean() const override;
  int ItemIndex = 0;

 private:
  TMethodDescriptor* FMethod;
};
using TParameterDescriptors = TTypedCollection<TParameterDescriptor, TParameterCollection>;

class TMethodDescriptor : public TJSB_CustomCollectionItem {
 public:
  explicit TMethodDescriptor(TCollection* Collection);
  ~TMethodDescriptor() override;

  const std::string& Type() const { return FType; }
  const std::string& Env() const { return FEnv; }
  void SetType(std::string_view Value) { Change(FType, Value); }
  void SetEnv(std::string_view Value) { Change(FEnv, Value); }
  TParameterDescriptors& Parameters() const { return *FParameters; }

  void ShowAttributes(TAttributeView& View) override;
  void ShowName(TAttributeView& View) override;

 private:
  std::string FType, FEnv;
  std::unique_ptr<TParameterDescriptors> FParameters;
};

class TEventSetDescriptor : public TJSB_CustomCollectionItem {
 public:
  using TJSB_CustomCollectionItem::TJSB_CustomCollectionItem;

  const std::string& EventModel() const { return FEventModel; }
  const std::string& ListenerType() const { return FListenerType; }
  const std::string& ListenerMethods() const { return FListenerMethods; }
  const std::string& AddListenerMethod() const { return FAddListenerMethod; }
  const std::string& RemoveListenerMethod() const { return FRemoveListenerMethod; }
  bool IsDefault() const { return FIsDefault; }

  void SetEventModel(std::string_view Value) { Change(FEventModel, Value); }
  void SetListenerType(std::string_view Value) { Change(FListenerType, Value); }
  void SetListenerMethods(std::string_view Value) { Change(FListenerMethods, Value); }
  void SetAddListenerMethod(std::string_view Value) { Change(FAddListenerMethod, Value); }
  void SetRemoveListenerMethod(std::string_view Value) { Change(FRemoveListenerMethod, Value); }
  void SetIsDefault(bool Value) { Change(FIsDefault, Value); }

  void ShowAttributes(TAttributeView& View) override;
  void ShowName(TAttributeView& View) override;

 private:
  std::string FEventModel, FListenerType, FListenerMethods, FAddListenerMethod,
      FRemoveListenerMethod;
  bool FIsDefault = false;
};

class TJSInterface : public TJSB_CustomCollectionItem {
 public:
  using TJSB_CustomCollectionItem::TJSB_CustomCollectionItem;

  void ShowAttributes(TAttributeView& View) override;
  void ShowName(TAttributeView& View) override;
};

using TPropertyDescriptors = TTypedCollection<TPropertyDescriptor, TJSB_CustomCollection>;
using TMethodDescriptors = TTypedCollection<TMethodDescriptor, TJSB_CustomCollection>;
using TEventSetDescriptors = TTypedCollection<TEventSetDescriptor, TJSB_CustomCollection>;
using TJSInterfaces = TTypedCollection<TJSInterface, TJSB_CustomCollection>;

class TJSBean {
 public:
  TJSBean();
  ~TJSBean();
  TJSBean(const TJSBean&) = delete;
  TJSBean& operator=(const TJSBean&) = delete;

  const std::string& Name() const { return FName; }
  const std::string& DisplayName() const { return FDisplayName; }
  const std::string& ShortDescription() const { return FShortDescription; }
  const std::string& Customizer() const { return FCustomizer; }
  const std::string& Env() const { return FEnv; }
  bool IsHidden() const { return FIsHidden; }
  bool IsJava() const { return FIsJava; }
  bool Modified() const { return FModified; }

  void SetName(std::string_view Value) { Change(FName, Value); }
  void SetDisplayName(std::string_view Value) { Change(FDisplayName, Value); }
  void SetShortDescription(std::string_view Value) { Change(FShortDescription, Value); }
  void SetCustomizer(std::string_view Value) { Change(FCustomizer, Value); }
  void SetEnv(std::string_view Value) { Change(FEnv, Value); }
  void SetIsHidden(bool Value) { Change(FIsHidden, Value); }
  void SetIsJava(bool Value) { Change(FIsJava, Value); }
  void SetModified(bool Value) { FModified = Value; }

  TPropertyDescriptors& Properties() const { return *FProperties; }
  TMethodDescriptors& Methods() const { return *FMethods; }
  TEventSetDescriptors& EventSets() const { return *FEventSets; }
  TJSInterfaces& Interfaces() const { return *FInterfaces; }

  TTreeNode* Node = nullptr;  // the root node of the component tree; not owned

  void ShowAttributes(TAttributeView& View);
  void ShowName(TAttributeView& View);

 private:
  template <class T, class V>
  void Change(T& Field, V Value) {
    if (beanmodel_detail::Assign(Field, Value)) FModified = true;
  }

  std::string FName, FDisplayName, FShortDescription, FCustomizer, FEnv;
  bool FIsHidden = false, FIsJava = false, FModified = false;
  std::unique_ptr<TPropertyDescriptors> FProperties;
  std::unique_ptr<TMethodDescriptors> FMethods;
  std::unique_ptr<TEventSetDescriptors> FEventSets;
  std::unique_ptr<TJSInterfaces> FInterfaces;
};

template <class T, class V>
void TJSB_CustomCollectionItem::Change(T& Field, V Value) {
  if (beanmodel_detail::Assign(Field, Value) && FBean) FBean->SetModified(true);
}
