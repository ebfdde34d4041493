// What a save drops or adds besides the values it changes: listener blocks
// the reader removes, tags that begin inside another tag's text, tags inside
// the constructor, descriptor tags without NAME. Each is placed on the line
// where the reader found its tag.
#pragma once

#include <string>
#include <vector>

#include "beans/jsbreader.h"

struct TFinding {
  int Line;
  std::string Kind;  // "listener", "tag in value", "tag in constructor", "no name"
  std::string Text;
};

// In line order.
std::vector<TFinding> FindingsOf(const TJSBReadResult& Read);
