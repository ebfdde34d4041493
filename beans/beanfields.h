// The fields of each model class in declaration order, with their JSB
// attribute names, the labels users know them by, and accessors, so that the reader, the writer and
// the tools walk one table instead of spelling every field out again.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "beanmodel.h"

template <class T>
struct TField {
  const char* Name;       // as in the model: "DisplayName"
  const char* Attribute;  // as in the file: "DISPLAYNAME"
  const char* Label;      // as the user sees it on its page: "Display name" (context TField)
  const std::string& (T::*GetText)() const = nullptr;
  void (T::*SetText)(std::string_view) = nullptr;
  bool (T::*GetFlag)() const = nullptr;
  void (T::*SetFlag)(bool) = nullptr;

  bool IsFlag() const { return GetFlag != nullptr; }
};

template <class T>
std::span<const TField<T>> FieldsOf();

template <>
std::span<const TField<TJSBean>> FieldsOf<TJSBean>();
template <>
std::span<const TField<TPropertyDescriptor>> FieldsOf<TPropertyDescriptor>();
template <>
std::span<const TField<TMethodDescriptor>> FieldsOf<TMethodDescriptor>();
template <>
std::span<const TField<TParameterDescriptor>> FieldsOf<TParameterDescriptor>();
template <>
std::span<const TField<TEventSetDescriptor>> FieldsOf<TEventSetDescriptor>();
template <>
std::span<const TField<TJSInterface>> FieldsOf<TJSInterface>();

// The field whose JSB attribute is Attribute, or nullptr.
template <class T>
const TField<T>* FieldByAttribute(std::string_view Attribute) {
  for (const TField<T>& F : FieldsOf<T>())
    if (Attribute == F.Attribute) return &F;
  return nullptr;
}
