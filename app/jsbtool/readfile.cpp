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

const std::string& TCaptions::Of(const TJSB_CustomCollectionItem& Item) const {
  static const std::string None;
  if (FNext < FItems.size() && FItems[FNext].Item == &Item)
    return FItems[FNext++].NameRead ? Item.Name() : None;
  if (FNameRead.empty())
    for (const TReadItem& Read : FItems)
      FNameRead.emplace(Read.Item, Read.NameRead);
  const auto Found = FNameRead.find(&Item);
  return Found != FNameRead.end() && Found->second ? Item.Name() : None;
}
