#include "beanfields.h"

namespace {

template <class T>
constexpr TField<T> Text(const char* Name, const char* Attribute,
                         const std::string& (T::*Get)() const, void (T::*Set)(std::string_view)) {
  return {Name, Attribute, Get, Set, nullptr, nullptr};
}

template <class T>
constexpr TField<T> Flag(const char* Name, const char* Attribute, bool (T::*Get)() const,
                         void (T::*Set)(bool)) {
  return {Name, Attribute, nullptr, nullptr, Get, Set};
}

// Name, DisplayName and ShortDescription, which every descriptor item has.
#define CORVANE_COMMON_FIELDS(T)                                                  \
  Text<T>("Name", "NAME", &T::Name, &T::SetName),                                 \
      Text<T>("DisplayName", "DISPLAYNAME", &T::DisplayName, &T::SetDisplayName), \
      Text<T>("ShortDescription", "SHORTDESCRIPTION", &T::ShortDescription,       \
              &T::SetShortDescription)

using B = TJSBean;
const TField<B> BeanFields[] = {
    CORVANE_COMMON_FIELDS(B),
    Text<B>("Customizer", "CUSTOMIZER", &B::Customizer, &B::SetCustomizer),
    Text<B>("Env", "ENV", &B::Env, &B::SetEnv),
    Flag<B>("IsHidden", "ISHIDDEN", &B::IsHidden, &B::SetIsHidden),
    Flag<B>("IsJava", "ISJAVA", &B::IsJava, &B::SetIsJava),
};

using P = TPropertyDescriptor;
const TField<P> PropertyFields[] = {
    CORVANE_COMMON_FIELDS(P),
    Text<P>("Type", "TYPE", &P::Type, &P::SetType),
    Text<P>("PropType", "PROPTYPE", &P::PropType, &P::SetPropType),
    Text<P>("EventModel", "EVENTMODEL", &P::EventModel, &P::SetEventModel),
    Text<P>("Env", "ENV", &P::Env, &P::SetEnv),
    Text<P>("ValueSet", "VALUESET", &P::ValueSet, &P::SetValueSet),
    Text<P>("PropertyEditor", "PROPERTYEDITOR", &P::PropertyEditor, &P::SetPropertyEditor),
    Text<P>("ReadMethod", "READMETHOD", &P::ReadMethod, &P::SetReadMethod),
    Text<P>("WriteMethod", "WRITEMETHOD", &P::WriteMethod, &P::SetWriteMethod),
    Flag<P>("IsDefault", "ISDEFAULT", &P::IsDefault, &P::SetIsDefault),
    Flag<P>("IsBound", "ISBOUND", &P::IsBound, &P::SetIsBound),
    Flag<P>("IsRuntime", "ISRUNTIME", &P::IsRuntime, &P::SetIsRuntime),
};

using M = TMethodDescriptor;
const TField<M> MethodFields[] = {
    CORVANE_COMMON_FIELDS(M),
    Text<M>("Type", "TYPE", &M::Type, &M::SetType),
    Text<M>("Env", "ENV", &M::Env, &M::SetEnv),
};

using A = TParameterDescriptor;
const TField<A> ParameterFields[] = {
    CORVANE_COMMON_FIELDS(A),
    Text<A>("Type", "TYPE", &A::Type, &A::SetType),
    Text<A>("ValueSet", "VALUESET", &A::ValueSet, &A::SetValueSet),
};

using E = TEventSetDescriptor;
const TField<E> EventFields[] = {
    CORVANE_COMMON_FIELDS(E),
    Text<E>("EventModel", "EVENTMODEL", &E::EventModel, &E::SetEventModel),
    Text<E>("ListenerType", "LISTENERTYPE", &E::ListenerType, &E::SetListenerType),
    Text<E>("ListenerMethods", "LISTENERMETHODS", &E::ListenerMethods, &E::SetListenerMethods),
    Text<E>("AddListenerMethod", "ADDLISTENERMETHOD", &E::AddListenerMethod,
            &E::SetAddListenerMethod),
    Text<E>("RemoveListenerMethod", "REMOVELISTENERMETHOD", &E::RemoveListenerMethod,
            &E::SetRemoveListenerMethod),
    Flag<E>("IsDefault", "ISDEFAULT", &E::IsDefault, &E::SetIsDefault),
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
