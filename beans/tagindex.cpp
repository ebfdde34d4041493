#include "tagindex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "../widgets/textutils.h"
#include "bytewords.h"

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

// A tag name as two words, folded to upper case, and the masks of its bytes
// in them, so that a name is compared with sixteen bytes of text at once.
struct TNameWords {
  uint64_t Word[2] = {}, Mask[2] = {};
  TIndexedKind Kind{};
  enum { None, One, Several } Names = None;
};

// The slot of a name by the two letters after "<JSB_", folded: no two of
// the names share one.
size_t SlotOf(char First, char Second) {
  return (static_cast<unsigned char>(UpCaseAscii(First)) ^
          static_cast<unsigned>(static_cast<unsigned char>(UpCaseAscii(Second)) << 1)) &
         0xFF;
}

const std::array<TNameWords, 256>& NamesBySlot() {
  static const std::array<TNameWords, 256> Table = [] {
    std::array<TNameWords, 256> T{};
    for (const TTagName& Name : Names) {
      const std::string Full = "JSB_" + std::string(Name.Rest);
      char Bytes[16] = {}, Mask[16] = {};
      std::memcpy(Bytes, Full.data(), Full.size());
      std::memset(Mask, 0xFF, Full.size());
      TNameWords& W = T[SlotOf(Name.Rest[0], Name.Rest[1])];
      std::memcpy(W.Word, Bytes, sizeof Bytes);
      std::memcpy(W.Mask, Mask, sizeof Mask);
      W.Kind = Name.Kind;
      W.Names = W.Names == TNameWords::None ? TNameWords::One : TNameWords::Several;
    }
    return T;
  }();
  return Table;
}

// The same answer as the byte-wise search below, from the sixteen bytes
// after a '<' that starts with "<J"; none when the table cannot tell.
std::optional<bool> FoldedKindAt(const char* P, TIndexedKind& Kind) {
  const TNameWords& W = NamesBySlot()[SlotOf(P[4], P[5])];
  if (W.Names == TNameWords::Several) return std::nullopt;
  if (W.Names == TNameWords::None || (UpCaseWord(LoadWord(P)) & W.Mask[0]) != W.Word[0] ||
      (UpCaseWord(LoadWord(P + 8)) & W.Mask[1]) != W.Word[1])
    return false;
  Kind = W.Kind;
  return true;
}

// The kind of the tag whose '<' is at At, when it is one the reader reads.
// Most '<' in a text start no such tag: the byte after it rules them out.
bool ExactAt(std::string_view Text, size_t At, TIndexedKind& Kind) {
  for (const TTagName& Exact : ExactTags)
    if (Exact.Rest[1] == Text[At + 1] && Text.compare(At, Exact.Rest.size(), Exact.Rest) == 0) {
      Kind = Exact.Kind;
      return true;
    }
  return false;
}

bool KindAt(std::string_view Text, size_t At, TIndexedKind& Kind) {
  constexpr std::string_view Lead = "<JSB_";
  if (At + 1 >= Text.size()) return false;
  const char Next = Text[At + 1];
  if (Next == '/') return ExactAt(Text, At, Kind);
  if (UpCaseAscii(Next) != 'J') return false;
  // A name of a kind and an exact tag never both match.
  if (Text.size() - At > 16)
    if (const auto Folded = FoldedKindAt(Text.data() + At + 1, Kind))
      return *Folded || ExactAt(Text, At, Kind);
  if (ExactAt(Text, At, Kind)) return true;
  if (!FoldedAt(Text, At, Lead)) return false;
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

// The '<' and '>' of up to 64 bytes as bit masks, bit I for byte I, and
// whether any of them is not ASCII.
struct TBlockMasks {
  uint64_t Open = 0, Close = 0;
  bool High = false;
};

constexpr size_t BlockSize = 64;

TBlockMasks MasksOf(const char* P, size_t Size) {
  TBlockMasks M;
#if defined(CORVANE_SSE2)
  if (Size == BlockSize) {
    const __m128i Lt = _mm_set1_epi8('<'), Gt = _mm_set1_epi8('>');
    __m128i Any = _mm_setzero_si128();
    for (size_t Part = 0; Part < BlockSize; Part += 16) {
      const __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + Part));
      M.Open |= uint64_t(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(V, Lt)))) << Part;
      M.Close |= uint64_t(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(V, Gt)))) << Part;
      Any = _mm_or_si128(Any, V);
    }
    M.High = _mm_movemask_epi8(Any) != 0;
    return M;
  }
#endif
  for (size_t I = 0; I < Size; ++I) {
    M.Open |= uint64_t(P[I] == '<') << I;
    M.Close |= uint64_t(P[I] == '>') << I;
    M.High = M.High || static_cast<unsigned char>(P[I]) >= 0x80;
  }
  return M;
}

}  // namespace

// One walk over the text in blocks of 64 bytes: each '<' may start a tag,
// and the next '>' ends every tag started since the last one.
std::vector<TIndexedTag> IndexTags(std::string_view Text, bool* Ascii) {
  std::vector<TIndexedTag> Tags;
  // Room for a tag every 64 bytes; pages never written are never used.
  Tags.reserve(Text.size() / 64 + 16);
  size_t Open = 0;  // the first tag still waiting for its '>'
  bool High = false;
  for (size_t Block = 0; Block < Text.size(); Block += BlockSize) {
    const TBlockMasks M =
        MasksOf(Text.data() + Block, std::min<size_t>(BlockSize, Text.size() - Block));
    High = High || M.High;
    for (uint64_t Marks = M.Open | M.Close; Marks; Marks &= Marks - 1) {
      const auto Bit = static_cast<unsigned>(std::countr_zero(Marks));
      const size_t At = Block + Bit;
      TIndexedKind Kind{};
      if (M.Close >> Bit & 1) {
        for (; Open < Tags.size(); ++Open)
          Tags[Open].End = At;
      } else if (KindAt(Text, At, Kind)) {
        Tags.push_back({At, TIndexedTag::Unclosed, Kind});
      }
    }
  }
  if (Ascii) *Ascii = !High;
  return Tags;
}
