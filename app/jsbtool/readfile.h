// Reading JSB text the way the program opens a file, with the reader's
// notices collected instead of shown.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "beans/jsbreader.h"

struct TReadFile {
  TJSBReadResult Result;
  std::vector<std::string> Notices;  // in the order the reader gave them
};

// Reads the file; EFileError passes through when it cannot be read.
TReadFile ReadFile(const std::string& FileName);
// Reads text whose line breaks are already normalised, as if from FileName.
TReadFile ReadText(std::string Text, const std::string& FileName);
// The same for a text the caller keeps.
TReadFile ReadTextView(std::string_view Text, const std::string& FileName);

// What the reader made of each item: the caption it gave it and the place of
// its tag.
class TCaptions {
 public:
  explicit TCaptions(const TJSBReadResult& Read) : FItems(Read.Items) {}
  const std::string& Of(const TJSB_CustomCollectionItem& Item) const;
  // The line of the item's tag; 0 for an item the reader did not read.
  int LineOf(const TJSB_CustomCollectionItem& Item) const;

 private:
  // The reader's entry for the item. Items are mostly asked for in the
  // reader's order, which a cursor follows; any other order is served by a
  // map made at the first item out of order.
  const TReadItem* Find(const TJSB_CustomCollectionItem& Item) const;
  const std::vector<TReadItem>& FItems;
  mutable size_t FNext = 0;
  mutable std::unordered_map<const TJSB_CustomCollectionItem*, const TReadItem*> FRead;
};

// A model string as UTF-8: the model holds UTF-8 whatever the file's encoding.
inline std::string Decoded(const TJSBReadResult&, const std::string& Bytes) {
  return Bytes;
}
