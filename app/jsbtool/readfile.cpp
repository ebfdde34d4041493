#include "readfile.h"

namespace {

// The reader's notices stay with the result; the tool lists them itself.
TReadFile WithNotices(TJSBReadResult Read) {
  TReadFile File;
  File.Notices = Read.Notices;
  File.Result = std::move(Read);
  return File;
}

}  // namespace

TReadFile ReadFile(const std::string& FileName) {
  return WithNotices(ReadJSBFile(FileName));
}

TReadFile ReadText(std::string Text, const std::string& FileName) {
  return WithNotices(ReadJSBText(std::move(Text), FileName));
}

TReadFile ReadTextView(std::string_view Text, const std::string& FileName) {
  return WithNotices(ReadJSBTextView(Text, FileName));
}

const TReadItem* TCaptions::Find(const TJSB_CustomCollectionItem& Item) const {
  if (FNext < FItems.size() && FItems[FNext].Item == &Item) return &FItems[FNext];
  if (FRead.empty())
    for (const TReadItem& Read : FItems)
      FRead.emplace(Read.Item, &Read);
  const auto Found = FRead.find(&Item);
  if (Found == FRead.end()) return nullptr;
  FNext = static_cast<size_t>(Found->second - FItems.data());
  return Found->second;
}

// Each item is asked for its caption once, after its line, so the caption
// moves the cursor on.
const std::string& TCaptions::Of(const TJSB_CustomCollectionItem& Item) const {
  static const std::string None;
  const TReadItem* Read = Find(Item);
  if (Read && Read == &FItems[FNext]) ++FNext;
  return Read && Read->NameRead ? Item.Name() : None;
}

int TCaptions::LineOf(const TJSB_CustomCollectionItem& Item) const {
  const TReadItem* Read = Find(Item);
  return Read ? Read->Place.Line : 0;
}
