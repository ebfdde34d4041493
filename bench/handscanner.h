// The anchor the reader is measured against: a minimal hand-written scanner
// that finds every tag and its attributes and builds a model of strings. It
// knows none of the reader's rules (no blanking, no passes per kind, no
// listener or constructor blocks); it is as fast as a plain scan can be.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct THandElement {
  std::string Tag;
  std::vector<std::pair<std::string, std::string>> Attributes;
};

std::vector<THandElement> HandScan(std::string_view Text);
