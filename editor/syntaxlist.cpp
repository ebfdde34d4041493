#include "editor/syntaxlist.h"

#include <utility>

namespace {

class TItemReader {
 public:
  explicit TItemReader(std::string Text) : Text_(std::move(Text)) {}

  // Reads the next item into Item; false at the end or at a malformed item.
  bool Next(std::string& Item) {
    if (Pos_ >= Text_.size()) return false;
    const char Digit = Text_[Pos_];
    if (Digit < '0' || Digit > '9') return false;
    const std::size_t Length = static_cast<std::size_t>(Digit - '0');
    if (Pos_ + 1 + Length > Text_.size()) return false;
    Item = Text_.substr(Pos_ + 1, Length);
    Pos_ += 1 + Length;
    return true;
  }

 private:
  std::string Text_;
  std::size_t Pos_ = 0;
};

TStringDelimiter MakeDelimiter(const std::string& Item) {
  TStringDelimiter Result;
  if (Item.empty()) return Result;
  Result.Delimiter = Item.substr(0, 1);
  Result.Escape = Item.substr(1, 1);
  return Result;
}

}  // namespace

TSyntaxList ParseSyntax(const std::string& Syntax) {
  TSyntaxList List;
  TItemReader Reader(Syntax.substr(0, kMaxSyntaxLength));
  std::string Item;
  for (TStringDelimiter& Delimiter : List.Strings) {
    if (!Reader.Next(Item)) return List;
    Delimiter = MakeDelimiter(Item);
  }
  for (std::string* Marker : {&List.LineComment, &List.BlockOpen, &List.BlockClose}) {
    if (!Reader.Next(Item)) return List;
    *Marker = Item;
  }
  while (Reader.Next(Item))
    List.Operators.push_back(Item);  // an empty one keeps its number
  return List;
}
