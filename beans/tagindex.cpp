#include "tagindex.h"

#include <cstring>

#include "../widgets/textutils.h"

namespace {

// Whether Text holds Pattern at At, letters folded to upper case; Pattern is
// upper case.
bool FoldedAt(std::string_view Text, size_t At, std::string_view Pattern) {
  if (Text.size() - At < Pattern.size()) return false;
  for (size_t I = 0; I < Pattern.size(); ++I)
    if (UpCaseAscii(Text[At + I]) != Pattern[I]) return false;
  return true;
}

struct TTagName {
  std::string_view Rest;  // after "<JSB_", or the whole tag
  TIndexedKind Kind;
};

// The kinds that follow "<JSB_", by the upper-cased letter after it.
constexpr TTagName Names[] = {
    {"DESCRIPTOR", TIndexedKind::Descriptor}, {"PROPERTY", TIndexedKind::Property},
    {"METHOD", TIndexedKind::Method},         {"PARAMETER", TIndexedKind::Parameter},
    {"EVENT", TIndexedKind::Event},           {"INTERFACE", TIndexedKind::Interface},
    {"LISTENER ", TIndexedKind::Listener},
};

// The tags that count in exactly one letter case.
constexpr TTagName ExactTags[] = {
    {"</JSB_METHOD>", TIndexedKind::MethodClose},
    {"<JSB_CONSTRUCTOR>", TIndexedKind::ConstructorOpen},
    {"</JSB_CONSTRUCTOR>", TIndexedKind::ConstructorClose},
};

// The kind of the tag whose '<' is at At, when it is one the reader reads.
// Most '<' in a text start no such tag: the byte after it rules them out.
bool KindAt(std::string_view Text, size_t At, TIndexedKind& Kind) {
  constexpr std::string_view Lead = "<JSB_";
  if (At + 1 >= Text.size()) return false;
  const char Next = Text[At + 1];
  if (Next != '/' && UpCaseAscii(Next) != 'J') return false;
  for (const TTagName& Exact : ExactTags)
    if (Text.compare(At, Exact.Rest.size(), Exact.Rest) == 0) {
      Kind = Exact.Kind;
      return true;
    }
  if (Next == '/' || !FoldedAt(Text, At, Lead)) return false;
  const size_t After = At + Lead.size();
  if (After >= Text.size()) return false;
  const char First = UpCaseAscii(Text[After]);
  for (const TTagName& Name : Names)
    if (Name.Rest[0] == First && FoldedAt(Text, After, Name.Rest)) {
      Kind = Name.Kind;
      return true;
    }
  return false;
}

}  // namespace

std::vector<TIndexedTag> IndexTags(std::string_view Text) {
  std::vector<TIndexedTag> Tags;
  // Room for a tag every 64 bytes; pages never written are never used.
  Tags.reserve(Text.size() / 64 + 16);
  const char* const Begin = Text.data();
  // The '>' found last: a tag that starts before it ends there too, so a
  // text of tags without '>' is still searched once.
  size_t Close = 0;
  for (size_t At = 0; At < Text.size(); ++At) {
    const void* Found = std::memchr(Begin + At, '<', Text.size() - At);
    if (!Found) break;
    At = static_cast<size_t>(static_cast<const char*>(Found) - Begin);
    TIndexedKind Kind{};
    if (!KindAt(Text, At, Kind)) continue;
    if (Close != TIndexedTag::Unclosed && Close <= At) {
      const void* Gt = std::memchr(Begin + At, '>', Text.size() - At);
      Close =
          Gt ? static_cast<size_t>(static_cast<const char*>(Gt) - Begin) : TIndexedTag::Unclosed;
    }
    Tags.push_back({At, Close, Kind});
  }
  return Tags;
}
