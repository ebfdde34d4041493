// Every place in a JSB text where a tag the reader looks for starts, found in
// one walk over the text, so that the reader never searches the whole text
// once per kind of tag.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

enum class TIndexedKind : unsigned char {
  Descriptor,        // <JSB_DESCRIPTOR, any letter case, and every other kind alike
  Property,          // <JSB_PROPERTY
  Method,            // <JSB_METHOD
  Parameter,         // <JSB_PARAMETER
  Event,             // <JSB_EVENT
  Interface,         // <JSB_INTERFACE
  MethodClose,       // </JSB_METHOD>, in exactly this letter case
  ConstructorOpen,   // <JSB_CONSTRUCTOR>, exactly
  ConstructorClose,  // </JSB_CONSTRUCTOR>, exactly
  Listener,          // <JSB_LISTENER followed by a blank, any letter case
};

struct TIndexedTag {
  static constexpr size_t Unclosed = SIZE_MAX;
  size_t Start;  // the tag's '<'
  size_t End;    // the first '>' after it, or Unclosed
  TIndexedKind Kind;
};

// The tags of Text in text order. A tag name matches as a prefix:
// <JSB_EVENTSET is an event. Tags that have no '>' of their own share the
// next one, as a search from each would find it.
// Ascii, when given, says whether every byte of Text is ASCII.
std::vector<TIndexedTag> IndexTags(std::string_view Text, bool* Ascii = nullptr);
