// Whether a value would come back unchanged once the file is saved and opened
// again. JSB text has no escapes: a value is written as it stands, so some
// characters end it or its tag early, begin a tag of their own or read as an
// attribute. The check writes one small component holding just the object,
// reads it back with the reader and compares, as jsbtool check does for a
// whole file; it is fast enough for every keystroke.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "beanmodel.h"

// Why a value would not survive, and what the file would give back instead.
struct TValueLoss {
  std::string Cause;    // "A double quote ends the value early"
  std::string Outcome;  // "the file will keep only 'say '"
  std::string Text() const { return Cause + ": " + Outcome; }
};

// Obj's text field with this JSB attribute holding Value, the other fields as
// they are: nothing when the value reads back unchanged and changes nothing
// else. An empty value always survives. A loss that the other fields cause
// whatever this one holds belongs to them, not to this value.
template <class T>
std::optional<TValueLoss> CheckValue(const T& Obj, std::string_view Attribute,
                                     const std::string& Value);

// One text field of an object whose value would not survive.
struct TFieldLoss {
  const char* Attribute;  // "DISPLAYNAME"
  const char* Field;      // "DisplayName"
  const char* Label;      // "Display name", as its page shows it
  TValueLoss Loss;
};

// Every text field of the component, or of an item of any kind, whose value
// would not survive, in the order of the field table: those a value of their
// own breaks, those that break the others, and those another value of the
// object changes ("The value of Display name changes this one too"); messages name fields
// by their labels.
std::vector<TFieldLoss> CheckFields(const TJSBean& Bean);
std::vector<TFieldLoss> CheckFields(const TJSB_CustomCollectionItem& Item);

// One such field with the object it belongs to.
struct TItemLoss {
  const TJSB_CustomCollectionItem* Item;  // none for the component
  std::string Where;                      // "property 'width'"
  TFieldLoss Field;
};

// Every such field of the component and its items, in the tree's order.
std::vector<TItemLoss> CheckBean(const TJSBean& Bean);
// The same, with each object's fields (none: the component's) as Fields
// gives them.
using TObjectLosses = std::function<std::vector<TFieldLoss>(const TJSB_CustomCollectionItem* Item)>;
std::vector<TItemLoss> CheckBean(const TJSBean& Bean, const TObjectLosses& Fields);
