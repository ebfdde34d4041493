#include "beanfields.h"

#include <QtGlobal>

namespace {

template <class T>
constexpr TField<T> Text(const char* Name, const char* Attribute, const char* Label,
                         const std::string& (T::*Get)() const, void (T::*Set)(std::string_view)) {
  return {Name, Attribute, Label, Get, Set, nullptr, nullptr};
}

template <class T>
constexpr TField<T> Flag(const char* Name, const char* Attribute, const char* Label,
                         bool (T::*Get)() const, void (T::*Set)(bool)) {
  return {Name, Attribute, Label, nullptr, nullptr, Get, Set};
}

// Name, DisplayName and ShortDescription, which every descriptor item has.
#define CORVANE_COMMON_FIELDS(T)                                                         \
  Text<T>("Name", "NAME", QT_TRANSLATE_NOOP("TField", "Name"), &T::Name, &T::SetName),   \
      Text<T>("DisplayName", "DISPLAYNAME", QT_TRANSLATE_NOOP("TField", "Display name"), \
              &T::DisplayName, &T::SetDisplayName),                                      \
      Text<T>("ShortDescription", "SHORTDESCRIPTION",                                    \
              QT_TRANSLATE_NOOP("TField", "Short description"), &T::ShortDescription,    \
              &T::SetShortDescription)

using B = TJSBean;
const TField<B> BeanFields[] = {
    CORVANE_COMMON_FIELDS(B),
    Text<B>("Customizer", "CUSTOMIZER", QT_TRANSLATE_NOOP("TField", "Customizer"), &B::Customizer,
            &B::SetCustomizer),
    Text<B>("Env", "ENV", QT_TRANSLATE_NOOP("TField", "Environment"), &B::Env, &B::SetEnv),
    Flag<B>("IsHidden", "ISHIDDEN", QT_TRANSLATE_NOOP("TField", "Hide at runtime"), &B::IsHidden,
            &B::SetIsHidden),
    Flag<B>("IsJava", "ISJAVA", QT_TRANSLATE_NOOP("TField", "Affiliate with Java classes"),
            &B::IsJava, &B::SetIsJava),
};

using P = TPropertyDescriptor;
const TField<P> PropertyFields[] = {
    CORVANE_COMMON_FIELDS(P),
    Text<P>("Type", "TYPE", QT_TRANSLATE_NOOP("TField", "Type"), &P::Type, &P::SetType),
    Text<P>("PropType", "PROPTYPE", QT_TRANSLATE_NOOP("TField", "PropType"), &P::PropType,
            &P::SetPropType),
    Text<P>("EventModel", "EVENTMODEL", QT_TRANSLATE_NOOP("TField", "Event model"), &P::EventModel,
            &P::SetEventModel),
    Text<P>("Env", "ENV", QT_TRANSLATE_NOOP("TField", "Environment"), &P::Env, &P::SetEnv),
    Text<P>("ValueSet", "VALUESET", QT_TRANSLATE_NOOP("TField", "Value set"), &P::ValueSet,
            &P::SetValueSet),
    Text<P>("PropertyEditor", "PROPERTYEDITOR", QT_TRANSLATE_NOOP("TField", "Property editor"),
            &P::PropertyEditor, &P::SetPropertyEditor),
    Text<P>("ReadMethod", "READMETHOD", QT_TRANSLATE_NOOP("TField", "Read method"), &P::ReadMethod,
            &P::SetReadMethod),
    Text<P>("WriteMethod", "WRITEMETHOD", QT_TRANSLATE_NOOP("TField", "Write method"),
            &P::WriteMethod, &P::SetWriteMethod),
    Flag<P>("IsDefault", "ISDEFAULT", QT_TRANSLATE_NOOP("TField", "Default"), &P::IsDefault,
            &P::SetIsDefault),
    Flag<P>("IsBound", "ISBOUND", QT_TRANSLATE_NOOP("TField", "Bound"), &P::IsBound,
            &P::SetIsBound),
    Flag<P>("IsRuntime", "ISRUNTIME", QT_TRANSLATE_NOOP("TField", "Set at runtime"), &P::IsRuntime,
            &P::SetIsRuntime),
};

using M = TMethodDescriptor;
const TField<M> MethodFields[] = {
    CORVANE_COMMON_FIELDS(M),
    Text<M>("Type", "TYPE", QT_TRANSLATE_NOOP("TField", "Type"), &M::Type, &M::SetType),
    Text<M>("Env", "ENV", QT_TRANSLATE_NOOP("TField", "Environment"), &M::Env, &M::SetEnv),
};

using A = TParameterDescriptor;
const TField<A> ParameterFields[] = {
    CORVANE_COMMON_FIELDS(A),
    Text<A>("Type", "TYPE", QT_TRANSLATE_NOOP("TField", "Type"), &A::Type, &A::SetType),
    Text<A>("ValueSet", "VALUESET", QT_TRANSLATE_NOOP("TField", "Value set"), &A::ValueSet,
            &A::SetValueSet),
};

using E = TEventSetDescriptor;
const TField<E> EventFields[] = {
    CORVANE_COMMON_FIELDS(E),
    Text<E>("EventModel", "EVENTMODEL", QT_TRANSLATE_NOOP("TField", "Event model"), &E::EventModel,
            &E::SetEventModel),
    Text<E>("ListenerType", "LISTENERTYPE", QT_TRANSLATE_NOOP("TField", "Type"), &E::ListenerType,
            &E::SetListenerType),
    Text<E>("ListenerMethods", "LISTENERMETHODS", QT_TRANSLATE_NOOP("TField", "Listener methods"),
            &E::ListenerMethods, &E::SetListenerMethods),
    Text<E>("AddListenerMethod", "ADDLISTENERMETHOD", QT_TRANSLATE_NOOP("TField", "Add method"),
            &E::AddListenerMethod, &E::SetAddListenerMethod),
    Text<E>("RemoveListenerMethod", "REMOVELISTENERMETHOD",
            QT_TRANSLATE_NOOP("TField", "Remove method"), &E::RemoveListenerMethod,
            &E::SetRemoveListenerMethod),
    Flag<E>("IsDefault", "ISDEFAULT", QT_TRANSLATE_NOOP("TField", "Default"), &E::IsDefault,
            &E::SetIsDefault),
};

using I = TJSInterface;
const TField<I> InterfaceFields[] = {CORVANE_COMMON_FIELDS(I)};

#undef CORVANE_COMMON_FIELDS

}  // namespace

template <>
std::span<const TField<TJSBean>> FieldsOf<TJSBean>() {
  return BeanFields;
}
template <>
std::span<const TField<TPropertyDescriptor>> FieldsOf<TPropertyDescriptor>() {
  return PropertyFields;
}
template <>
std::span<const TField<TMethodDescriptor>> FieldsOf<TMethodDescriptor>() {
  return MethodFields;
}
template <>
std::span<const TField<TParameterDescriptor>> FieldsOf<TParameterDescriptor>() {
  return ParameterFields;
}
template <>
std::span<const TField<TEventSetDescriptor>> FieldsOf<TEventSetDescriptor>() {
  return EventFields;
}
template <>
std::span<const TField<TJSInterface>> FieldsOf<TJSInterface>() {
  return InterfaceFields;
}
