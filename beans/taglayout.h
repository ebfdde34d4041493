// How the writer lays out each kind of tag. The reader knows the layout too:
// a tag exactly as the writer wrote it is read without searching it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "beanfields.h"

// One attribute after NAME with the bytes written before its value, so that
// writing a tag is a short run of copies: " TYPE=\"" on the tag line, or
// CR LF, the indent and "DISPLAYNAME=\"" on a line of its own; a flag has
// its name only.
template <class T>
struct TPiece {
  const TField<T>* Field;
  std::string Lead;
};

// How one kind of tag is laid out: NAME and at most one more attribute on the
// tag line, every other attribute on a line of its own, lined up under NAME.
template <class T>
struct TLayout {
  static constexpr size_t MaxPieces = 16;
  std::string Head;   // indent, tag name and " NAME=\""
  size_t Indent = 0;  // of Head
  std::vector<TPiece<T>> Pieces;
  std::string_view Tail;  // the tag's end, and a blank line after it where one follows
};

// The layout of every kind of tag.
struct TLayouts {
  TLayout<TJSBean> Descriptor;
  TLayout<TPropertyDescriptor> Property;
  TLayout<TMethodDescriptor> Method;
  TLayout<TParameterDescriptor> Parameter;
  TLayout<TEventSetDescriptor> Event;
  TLayout<TJSInterface> Interface;
};

const TLayouts& Layouts();

template <class T>
const TLayout<T>& LayoutOf();
template <>
const TLayout<TJSBean>& LayoutOf<TJSBean>();
template <>
const TLayout<TPropertyDescriptor>& LayoutOf<TPropertyDescriptor>();
template <>
const TLayout<TMethodDescriptor>& LayoutOf<TMethodDescriptor>();
template <>
const TLayout<TParameterDescriptor>& LayoutOf<TParameterDescriptor>();
template <>
const TLayout<TEventSetDescriptor>& LayoutOf<TEventSetDescriptor>();
template <>
const TLayout<TJSInterface>& LayoutOf<TJSInterface>();
