// What a save drops or adds besides the values it changes: listener blocks
// the reader removes, tags that begin inside another tag's text, tags inside
// the constructor, descriptor tags without NAME. Each is placed on the line
// where the reader found its tag.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "beans/jsbreader.h"

struct TFinding {
  int Line;
  std::string Kind;  // "listener", "tag-in-value", "tag-in-constructor", "no-name"
  std::string Text;
  size_t Offset = std::string::npos;  // of the tag in the text the reader read; npos: none
  int Column = 0;                     // 1-based, once PlaceColumns knows it
};

// In line order.
std::vector<TFinding> FindingsOf(const TJSBReadResult& Read);

// The column of each finding whose tag the reader placed in Text itself: a
// UTF-8 text from which no listener block was removed, so that the reader's
// offsets are Text's.
void PlaceColumns(std::vector<TFinding>& Findings, const TJSBReadResult& Read,
                  std::string_view Text);
