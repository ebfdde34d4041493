// Every place in a JSB text where a tag the reader reads may start, found in
// one walk over the text. The reader used to search the whole text once per
// kind of tag; it now walks this index instead.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

enum class TIndexedKind : unsigned char {
  Descriptor,   // <JSB_DESCRIPTOR, any letter case, and every other kind alike
  Property,     // <JSB_PROPERTY
  Method,       // <JSB_METHOD
  Parameter,    // <JSB_PARAMETER
  Event,        // <JSB_EVENT
  Interface,    // <JSB_INTERFACE
  MethodClose,  // </JSB_METHOD>, in exactly this letter case
};

struct TIndexedTag {
  size_t Start;  // the tag's '<'
  TIndexedKind Kind;
};

// The tags of Text in text order, leaving out those that start at or after
// SkipFrom and before SkipTo (the constructor block, whose JavaScript is not
// read for tags). A tag name matches as a prefix: <JSB_EVENTSET is an event.
std::vector<TIndexedTag> IndexTags(std::string_view Text, size_t SkipFrom, size_t SkipTo);
