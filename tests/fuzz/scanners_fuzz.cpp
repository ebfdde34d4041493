// The scanning functions against straightforward transcriptions of their
// rules. The first byte chooses the names and tags looked for; the rest is the
// text.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "beans/tagscan.h"
#include "fuzzsupport.h"
#include "tests/beans/tagscanref.h"

namespace {

const char* const Names[] = {"NAME",        "TYPE", "PROPTYPE", "ISBOUND",
                             "DISPLAYNAME", "ENV",  "name",     ""};
const char* const TagStarts[] = {"<JSB_PROPERTY", "<JSB_METHOD", "<X", "<"};
const char* const Blocks[][2] = {{"<JSB_LISTENER ", "</JSB_LISTENER>"}, {"<AB ", "</AB>"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  const unsigned Choice = Data[0];
  const std::string Text(reinterpret_cast<const char*>(Data) + 1, Size - 1);
  const std::string Name = Names[Choice % 8];

  FUZZ_CHECK(BlankQuotedText(Text) == RefBlank(Text));
  static const std::string_view AllNames[] = {"NAME",    "TYPE",        "PROPTYPE",
                                              "ISBOUND", "DISPLAYNAME", "ENV"};
  static const TAttributeScanner Scanner(AllNames);
  size_t Positions[std::size(AllNames)];
  Scanner.Scan(Text, Positions);
  for (size_t I = 0; I < std::size(AllNames); ++I)
    FUZZ_CHECK(Positions[I] == RefFindAttribute(Text, std::string(AllNames[I])));
  FUZZ_CHECK(FindAttribute(Text, Name) == RefFindAttribute(Text, Name));
  FUZZ_CHECK(HasAttribute(Text, Name) == (RefFindAttribute(Text, Name) != 0));
  std::string Value = "old", RefValue = "old";
  FUZZ_CHECK(GetAttributeValue(Text, Name, Value) == RefGetAttributeValue(Text, Name, RefValue));
  FUZZ_CHECK(Value == RefValue);

  const std::string TagStart = TagStarts[(Choice / 8) % 4];
  std::string Tag = "old", RefTag = "old";
  FUZZ_CHECK(FindTag(Text, TagStart, ">", Tag) == RefFindTag(Text, TagStart, ">", RefTag));
  FUZZ_CHECK(Tag == RefTag);

  const auto& Block = Blocks[(Choice / 32) % 2];
  std::string Removed = Text, RefRemoved = Text;
  FUZZ_CHECK(RemoveTagBlocks(Removed, Block[0], Block[1]) ==
             RefRemove(RefRemoved, Block[0], Block[1]));
  FUZZ_CHECK(Removed == RefRemoved);
  return 0;
}
