#include "readfile.h"

#include "widgets/messages.h"

namespace {

class TCollector : public TMessageHandler {
 public:
  explicit TCollector(std::vector<std::string>& Notices) : FNotices(Notices) {}
  void Info(const std::string& Msg) override { FNotices.push_back(Msg); }
  // The reader asks nothing; should it ever, nothing is decided for the user.
  short Confirm(const std::string& Msg) override {
    FNotices.push_back(Msg);
    return mrCancel;
  }

 private:
  std::vector<std::string>& FNotices;
};

template <class TRead>
TReadFile Collect(TRead Read) {
  TReadFile File;
  TCollector Collector(File.Notices);
  TScopedMessageHandler Scope(&Collector);
  File.Result = Read();
  return File;
}

}  // namespace

TReadFile ReadFile(const std::string& FileName) {
  return Collect([&] { return ReadJSBFile(FileName); });
}

TReadFile ReadText(std::string Text, const std::string& FileName) {
  return Collect([&] { return ReadJSBText(std::move(Text), FileName); });
}

TCaptions::TCaptions(const TJSBReadResult& Read) {
  FNameRead.reserve(Read.Items.size());
  for (const TReadItem& Item : Read.Items)
    FNameRead.emplace(Item.Item, Item.NameRead);
}

const std::string& TCaptions::Of(const TJSB_CustomCollectionItem& Item) const {
  static const std::string None;
  const auto Found = FNameRead.find(&Item);
  return Found != FNameRead.end() && Found->second ? Item.Name() : None;
}
