// The files check is given: files as named, every *.jsb in a folder (any
// letter case of the extension), and with Recursive those of its
// sub-folders too, in sorted order; "-" stands for standard input.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct TInputs {
  std::vector<std::string> Files;
  bool Failed = false;  // a folder could not be read; Err has said why
};

// Links are followed only to what lies inside the folder given, so that a
// link out of the tree is never checked, and never twice what is in it.
TInputs ExpandInputs(const std::vector<std::string>& Names, bool Recursive, std::ostream& Err);
