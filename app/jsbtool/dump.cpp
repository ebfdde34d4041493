#include "dump.h"

#include "beans/modeljson.h"

namespace {

// The reader's result with its validity first and its notices last, written
// to Out a block at a time, or returned whole.
std::string Dump(const TReadFile& File, std::ostream* Out) {
  const TJSBReadResult& Read = File.Result;
  TCaptions Captions(Read);
  TModelJsonBuilder Model(
      *Read.Bean, Read.Constructor, Read.Encoding, Read.RootCaption,
      [&Captions](const TJSB_CustomCollectionItem& Item) { return Captions.Of(Item); });
  TJsonWriter& J = Model.Writer();
  J.Key("valid");
  J.Bool(Read.Valid);
  const auto Hand = [Out](std::vector<std::string> Blocks) {
    for (const std::string& Block : Blocks)
      Out->write(Block.data(), static_cast<std::streamsize>(Block.size()));
  };
  while (!Model.Step(1024))
    if (Out) Hand(Model.TakeBlocks());
  J.Key("messages");
  J.BeginArray();
  for (const std::string& Notice : File.Notices)
    J.String(Notice);
  J.EndArray();
  std::vector<std::string> Blocks = std::move(Model).Finish();
  if (Out) {
    Hand(std::move(Blocks));
    return {};
  }
  std::string Text;
  for (const std::string& Block : Blocks)
    Text += Block;
  return Text;
}

}  // namespace

std::string DumpJson(const TReadFile& File) {
  return Dump(File, nullptr);
}

void DumpJson(const TReadFile& File, std::ostream& Out) {
  Dump(File, &Out);
}
