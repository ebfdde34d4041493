// Two objects of one model class compared field by field through the field
// table. jsbtool check compares a file's read with the read of its saved
// text this way, and the value checker compares an item with its read-back.
#pragma once

#include <string>
#include <vector>

#include "beanfields.h"

struct TFieldDifference {
  const char* Field;      // the model's name: "DisplayName"
  const char* Attribute;  // the file's name: "DISPLAYNAME"
  const char* Label;      // the user's name: "Display name"
  bool IsFlag;
  std::string Before, After;  // the values; a flag as "true" or "false"
};

// Every field whose value differs between X and Y, in table order.
template <class T>
std::vector<TFieldDifference> CompareFields(const T& X, const T& Y) {
  std::vector<TFieldDifference> Out;
  const auto Literal = [](bool V) { return std::string(V ? "true" : "false"); };
  for (const TField<T>& F : FieldsOf<T>()) {
    if (!F.IsFlag()) {
      const std::string &A = (X.*F.GetText)(), &B = (Y.*F.GetText)();
      if (A != B) Out.push_back({F.Name, F.Attribute, F.Label, false, A, B});
    } else if ((X.*F.GetFlag)() != (Y.*F.GetFlag)()) {
      Out.push_back({F.Name, F.Attribute, F.Label, true, Literal((X.*F.GetFlag)()),
                     Literal((Y.*F.GetFlag)())});
    }
  }
  return Out;
}
