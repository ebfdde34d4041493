#include "tagindex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>

#include "../widgets/textutils.h"
#include "bytewords.h"

namespace {

// Whether Text holds Pattern at At, letters folded to upper case; Pattern is
// upper case.
bool FoldedAt(std::string_view Text, size_t At, std::string_view Pattern) {
  return Text.size() - At >= Pattern.size() && MatchesFolded(Text.data() + At, Pattern);
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

// A tag name after '<' ("JSB_" and the rest), to be compared with sixteen
// bytes of text at once, and its kind.
struct TNameWords {
  TFoldedWords Name;
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

const std::array<TNameWords, 256> NamesBySlot = [] {
  std::array<TNameWords, 256> T{};
  for (const TTagName& Name : Names) {
    TNameWords& W = T[SlotOf(Name.Rest[0], Name.Rest[1])];
    W.Name = TFoldedWords("JSB_" + std::string(Name.Rest));
    W.Kind = Name.Kind;
    W.Names = W.Names == TNameWords::None ? TNameWords::One : TNameWords::Several;
  }
  return T;
}();

// The same answer as the byte-wise search below, from the sixteen bytes
// after a '<' that starts with "<J"; none when the table cannot tell.
std::optional<bool> FoldedKindAt(const char* P, TIndexedKind& Kind) {
  const TNameWords& W = NamesBySlot[SlotOf(P[4], P[5])];
  if (W.Names == TNameWords::Several) return std::nullopt;
  if (W.Names == TNameWords::None || !W.Name.At(P)) return false;
  Kind = W.Kind;
  return true;
}

// The kind of the exact tag whose '<' is at At, when it is one.
bool ExactAt(std::string_view Text, size_t At, TIndexedKind& Kind) {
  for (const TTagName& Exact : ExactTags)
    if (Exact.Rest[1] == Text[At + 1] && Text.compare(At, Exact.Rest.size(), Exact.Rest) == 0) {
      Kind = Exact.Kind;
      return true;
    }
  return false;
}

// The kind of the tag whose '<' is at At, when it is one the reader reads.
// Most '<' in a text start no such tag: the byte after it rules them out.
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

// The walk over a text's blocks of 64 bytes: each '<' may start a tag, and
// the next '>' ends every tag started since the last one.
class TIndexWalk {
 public:
  static constexpr size_t BlockSize = 64;

  explicit TIndexWalk(std::string_view Text) : FText(Text) {
    // Room for a tag every 64 bytes; pages never written are never used.
    FTags.reserve(Text.size() / 64 + 16);
  }

  // The '<' (Opens) and '>' (Closes) of the block at Block, bit I for byte I.
  void Marks(size_t Block, uint64_t Opens, uint64_t Closes) {
    for (uint64_t Marks = Opens | Closes; Marks; Marks &= Marks - 1) {
      const auto Bit = static_cast<unsigned>(std::countr_zero(Marks));
      const size_t At = Block + Bit;
      TIndexedKind Kind{};
      if (Closes >> Bit & 1) {
        for (; FOpen < FTags.size(); ++FOpen)
          FTags[FOpen].End = At;
      } else if (KindAt(FText, At, Kind)) {
        FTags.push_back({At, TIndexedTag::Unclosed, Kind});
      }
    }
  }

  // The bytes from Block on, one at a time; whether any is not ASCII.
  bool Bytes(size_t Block) {
    bool High = false;
    for (; Block < FText.size(); Block += BlockSize) {
      const size_t Size = std::min(BlockSize, FText.size() - Block);
      uint64_t Opens = 0, Closes = 0;
      for (size_t I = 0; I < Size; ++I) {
        const char C = FText[Block + I];
        Opens |= uint64_t(C == '<') << I;
        Closes |= uint64_t(C == '>') << I;
        High = High || static_cast<unsigned char>(C) >= 0x80;
      }
      Marks(Block, Opens, Closes);
    }
    return High;
  }

  std::vector<TIndexedTag> Take() { return std::move(FTags); }

 private:
  std::string_view FText;
  std::vector<TIndexedTag> FTags;
  size_t FOpen = 0;  // the first tag still waiting for its '>'
};

}  // namespace

std::vector<TIndexedTag> IndexTags(std::string_view Text, bool* Ascii) {
  TIndexWalk Walk(Text);
  size_t Block = 0;
  bool High = false;
#if defined(CORVANE_SSE2)
  // Most blocks hold neither '<' nor '>': one test over all four parts
  // passes them, and whether any byte is not ASCII is gathered to the end.
  const __m128i Lt = _mm_set1_epi8('<'), Gt = _mm_set1_epi8('>');
  __m128i Bytes = _mm_setzero_si128();
  const auto Load = [&](size_t At) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(Text.data() + At));
  };
  const auto Mask = [](__m128i A, __m128i B, __m128i C, __m128i D) {
    return uint64_t(static_cast<uint16_t>(_mm_movemask_epi8(A))) |
           uint64_t(static_cast<uint16_t>(_mm_movemask_epi8(B))) << 16 |
           uint64_t(static_cast<uint16_t>(_mm_movemask_epi8(C))) << 32 |
           uint64_t(static_cast<uint16_t>(_mm_movemask_epi8(D))) << 48;
  };
  for (; Block + TIndexWalk::BlockSize <= Text.size(); Block += TIndexWalk::BlockSize) {
    const __m128i V0 = Load(Block), V1 = Load(Block + 16), V2 = Load(Block + 32),
                  V3 = Load(Block + 48);
    Bytes = _mm_or_si128(Bytes, _mm_or_si128(_mm_or_si128(V0, V1), _mm_or_si128(V2, V3)));
    const __m128i L0 = _mm_cmpeq_epi8(V0, Lt), L1 = _mm_cmpeq_epi8(V1, Lt),
                  L2 = _mm_cmpeq_epi8(V2, Lt), L3 = _mm_cmpeq_epi8(V3, Lt);
    const __m128i G0 = _mm_cmpeq_epi8(V0, Gt), G1 = _mm_cmpeq_epi8(V1, Gt),
                  G2 = _mm_cmpeq_epi8(V2, Gt), G3 = _mm_cmpeq_epi8(V3, Gt);
    const __m128i Any = _mm_or_si128(_mm_or_si128(_mm_or_si128(L0, L1), _mm_or_si128(L2, L3)),
                                     _mm_or_si128(_mm_or_si128(G0, G1), _mm_or_si128(G2, G3)));
    if (_mm_movemask_epi8(Any) != 0) Walk.Marks(Block, Mask(L0, L1, L2, L3), Mask(G0, G1, G2, G3));
  }
  High = _mm_movemask_epi8(Bytes) != 0;
#endif
  High = Walk.Bytes(Block) || High;
  if (Ascii) *Ascii = !High;
  return Walk.Take();
}
