// The named HTML tag pairs that the Insert menu wraps around the editor's
// selection.
#pragma once

#include <span>
#include <string_view>

struct THTMLTag {
  std::string_view Name;     // the lookup key, compared exactly
  std::string_view Opening;  // inserted before the selection
  std::string_view Closing;  // inserted after it; empty for a lone tag
};

// Every entry in table order; some names occur twice.
std::span<const THTMLTag> HTMLTags();
// The first entry called Name, with letter case counting; nullptr if none.
const THTMLTag* FindHTMLTag(std::string_view Name);
