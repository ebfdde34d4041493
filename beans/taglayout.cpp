#include "taglayout.h"

#include <stdexcept>

#include "../widgets/textutils.h"

namespace {

template <class T>
TLayout<T> MakeLayout(std::string_view Tag, int Indent, std::initializer_list<const char*> First,
                      std::initializer_list<const char*> Lines, bool BlankLineAfter = true) {
  TLayout<T> L{Spaces(Indent) + std::string(Tag) + " NAME=\"",
               static_cast<size_t>(Indent),
               {},
               BlankLineAfter ? ">\r\n\r\n" : ">\r\n"};
  const std::string Continuation = "\r\n" + Spaces(Indent + static_cast<int>(Tag.size()) + 1);
  const auto Add = [&L](const std::string& Before, const char* Attribute) {
    const TField<T>* F = FieldByAttribute<T>(Attribute);
    L.Pieces.push_back({F, Before + Attribute + (F->IsFlag() ? "" : "=\"")});
  };
  for (const char* A : First)
    Add(" ", A);
  for (const char* A : Lines)
    Add(Continuation, A);
  if (L.Pieces.size() > TLayout<T>::MaxPieces) throw std::logic_error("too many attributes");
  return L;
}

}  // namespace

const TLayouts& Layouts() {
  static const TLayouts Instance{
      MakeLayout<TJSBean>("<JSB_DESCRIPTOR", 3, {"ENV"},
                          {"DISPLAYNAME", "SHORTDESCRIPTION", "CUSTOMIZER", "ISJAVA", "ISHIDDEN"}),
      MakeLayout<TPropertyDescriptor>(
          "<JSB_PROPERTY", 3, {"TYPE"},
          {"PROPTYPE", "DISPLAYNAME", "SHORTDESCRIPTION", "EVENTMODEL", "ENV", "VALUESET",
           "PROPERTYEDITOR", "READMETHOD", "WRITEMETHOD", "ISDEFAULT", "ISBOUND", "ISRUNTIME"}),
      MakeLayout<TMethodDescriptor>("<JSB_METHOD", 3, {"TYPE"},
                                    {"ENV", "DISPLAYNAME", "SHORTDESCRIPTION"}, false),
      MakeLayout<TParameterDescriptor>("<JSB_PARAMETER", 6, {"TYPE"},
                                       {"VALUESET", "DISPLAYNAME", "SHORTDESCRIPTION"}, false),
      MakeLayout<TEventSetDescriptor>(
          "<JSB_EVENT", 3, {"EVENTMODEL"},
          {"DISPLAYNAME", "SHORTDESCRIPTION", "LISTENERTYPE", "LISTENERMETHODS",
           "ADDLISTENERMETHOD", "REMOVELISTENERMETHOD", "ISDEFAULT"}),
      MakeLayout<TJSInterface>("<JSB_INTERFACE", 3, {}, {"DISPLAYNAME", "SHORTDESCRIPTION"}),
  };
  return Instance;
}

template <>
const TLayout<TJSBean>& LayoutOf<TJSBean>() {
  return Layouts().Descriptor;
}
template <>
const TLayout<TPropertyDescriptor>& LayoutOf<TPropertyDescriptor>() {
  return Layouts().Property;
}
template <>
const TLayout<TMethodDescriptor>& LayoutOf<TMethodDescriptor>() {
  return Layouts().Method;
}
template <>
const TLayout<TParameterDescriptor>& LayoutOf<TParameterDescriptor>() {
  return Layouts().Parameter;
}
template <>
const TLayout<TEventSetDescriptor>& LayoutOf<TEventSetDescriptor>() {
  return Layouts().Event;
}
template <>
const TLayout<TJSInterface>& LayoutOf<TJSInterface>() {
  return Layouts().Interface;
}
