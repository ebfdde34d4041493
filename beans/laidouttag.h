// Reading a tag that stands exactly as the writer lays it out without
// searching it. Such a tag is cut into its values by the layout alone. Which
// value each attribute name reads depends only on which of the layout's
// pieces the tag holds: the values that a line break follows are blanked
// runs, invisible to the search, and those on the tag's last line are
// accepted only when plain. So the general search is asked once for each
// set of pieces, on a stand-in tag whose values say where they stand, and
// its answer holds for every tag with that set.
#pragma once

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bytewords.h"
#include "taglayout.h"
#include "tagscan.h"

template <class T>
class TLaidOutTags {
 public:
  static constexpr size_t MaxValues = 1 + TLayout<T>::MaxPieces;

  // One tag cut by the layout: bit 0 of Set for a NAME that holds a value,
  // bit 1 + I for the layout's piece I; Values[0] is NAME's, Values[1 + I]
  // the piece's (empty for a flag).
  // The cut sets every member it reads; nothing is set beforehand.
  struct TTag {
    // A value's bytes, as a view the model's setters take.
    struct TValue {
      const char* Data;
      size_t Size;
      operator std::string_view() const { return {Data, Size}; }
    };
    uint32_t Set;
    size_t LastLine;  // the first value on the tag's last line
    int Breaks;       // the line feeds in the tag, all in its leads
    TValue Values[MaxValues];
  };

  // Scanner holds NAME first, then a name for each of Fields, in order.
  TLaidOutTags(const TAttributeScanner& Scanner, std::vector<const TField<T>*> Fields)
      : FScanner(Scanner), FFields(std::move(Fields)) {
    for (const TPiece<T>& Piece : LayoutOf<T>().Pieces)
      FLeads.push_back({Piece.Lead, Piece.Lead.find_first_not_of(" \r\n"),
                        static_cast<int>(std::count(Piece.Lead.begin(), Piece.Lead.end(), '\n')),
                        Piece.Field->IsFlag()});
  }

  // The tag cut into its values, when it stands exactly as the writer lays it
  // out and every value on its last line is plain.
  bool Cut(std::string_view Tag, TTag& Out) const {
    const TLayout<T>& L = LayoutOf<T>();
    const std::string_view Head = std::string_view(L.Head).substr(L.Indent);
    if (!Tag.starts_with(Head)) return false;
    size_t At = Head.size();
    if (!CutValue(Tag, At, Out.Values[0])) return false;
    Out.Set = Out.Values[0].Size == 0 ? 0 : 1;
    Out.LastLine = 0;
    Out.Breaks = 0;
    for (size_t I = 0; I < FLeads.size(); ++I) {
      const TLead& Lead = FLeads[I];
      Out.Values[1 + I] = {};
      // Leads differ first in their attribute's name: one byte of it rules
      // out most pieces the tag does not hold.
      if (At + Lead.NameAt >= Tag.size() || Tag[At + Lead.NameAt] != Lead.Text[Lead.NameAt] ||
          !HoldsAt(Tag, At, Lead.Text))
        continue;
      if (Lead.Breaks > 0) {
        Out.LastLine = 1 + I;
        Out.Breaks += Lead.Breaks;
      }
      At += Lead.Text.size();
      Out.Set |= 2u << I;
      if (!Lead.Flag && (!CutValue(Tag, At, Out.Values[1 + I]) || Out.Values[1 + I].Size == 0))
        return false;  // the writer leaves empty values out
    }
    return At + 1 == Tag.size() && Tag[At] == '>' && LastLinePlain(Out);
  }

  // How tags with one set of pieces are read: the value NAME reads (an index
  // into TTag::Values), or -1; each field that reads a value, with the value
  // it reads; and each flag that is set.
  struct TReading {
    int8_t Name = -1;
    std::vector<std::pair<const TField<T>*, int8_t>> Texts;
    std::vector<const TField<T>*> Flags;
  };

  // None when tags with this set of pieces are not read this way.
  const TReading* Reading(uint32_t Set) const {
    // Each thread keeps the answers it was given, in a table with a place
    // for every set (a few thousand), so that a set met before costs one load.
    struct TKnown {
      const TLaidOutTags* Owner = nullptr;
      std::vector<int32_t> Answer;  // 0: not asked yet, -1: none, else 1 + an index
      std::deque<TReading> Answers;
    };
    thread_local TKnown Known;
    if (Known.Owner != this)
      Known = {this, std::vector<int32_t>(size_t(2) << LayoutOf<T>().Pieces.size()), {}};
    int32_t& Answer = Known.Answer[Set];
    if (Answer == 0) {
      const std::optional<std::vector<int8_t>> Sources = Ask(Set);
      Answer = Sources ? static_cast<int32_t>(Known.Answers.size()) + 1 : -1;
      if (Sources) Known.Answers.push_back(ReadingOf(*Sources));
    }
    return Answer < 0 ? nullptr : &Known.Answers[static_cast<size_t>(Answer) - 1];
  }

 private:
  // The quoted value at At, up to its closing quote, with At moved past it.
  // A value holding a line break is blanked differently: not cut.
  static bool CutValue(std::string_view Tag, size_t& At, typename TTag::TValue& Value) {
    const size_t Close = NextStop(Tag, At);
    if (Close == Tag.size() || Tag[Close] != '"') return false;
    Value = {Tag.data() + At, Close - At};
    At = Close + 1;
    return true;
  }

  // The first quote, CR or LF at or after At, or the end.
  static size_t NextStop(std::string_view Text, size_t At) {
    return At + FindAnyOf(Text.data() + At, Text.size() - At, '"', '\r', '\n');
  }

  // The values after the tag's last line break are searched: they must hold
  // no '=', no tab and no blank-led name, the only ways a name is found in
  // them. Values hold no line break, so the last one is a lead's.
  bool LastLinePlain(const TTag& Cut) const {
    for (size_t I = Cut.LastLine; I <= FLeads.size(); ++I) {
      const std::string_view Value = Cut.Values[I];
      if (!Value.empty() && (HoldsEqualsOrTab(Value) || FScanner.HoldsBlankLedName(Value)))
        return false;
    }
    return true;
  }

  // Whether Text holds Lead at At (at most its end).
  static bool HoldsAt(std::string_view Text, size_t At, std::string_view Lead) {
    if (Text.size() - At < Lead.size()) return false;
    const char* const P = Text.data() + At;
    if (Lead.size() < 16) return Lead == std::string_view(P, Lead.size());
    return SameLongBytes(P, Lead.data(), Lead.size());
  }

  static bool HoldsEqualsOrTab(std::string_view Value) {
    size_t At = 0;
    for (; At + 8 <= Value.size(); At += 8) {
      const uint64_t W = LoadWord(Value.data() + At);
      if (BytesEqual(W, '=') | BytesEqual(W, '\t')) return true;
    }
    return Value.substr(At).find_first_of("=\t") != std::string_view::npos;
  }

  TReading ReadingOf(const std::vector<int8_t>& Sources) const {
    TReading R;
    R.Name = Sources[0];
    for (size_t K = 1; K < Sources.size(); ++K) {
      if (Sources[K] < 0) continue;
      const TField<T>* F = FFields[K - 1];
      if (F->IsFlag())
        R.Flags.push_back(F);
      else
        R.Texts.emplace_back(F, Sources[K]);
    }
    return R;
  }

  // For each name, the value it reads (an index into TTag::Values; for a flag,
  // any index means it is set), or -1: the general search on a stand-in tag
  // with this set of pieces, whose values are numbers that say where they
  // stand.
  std::optional<std::vector<int8_t>> Ask(uint32_t Set) const {
    const TLayout<T>& L = LayoutOf<T>();
    const auto Stand = [](size_t Index) { return std::to_string(10 + Index); };
    std::string Tag = L.Head.substr(L.Indent) + ((Set & 1) ? Stand(0) : std::string()) + '"';
    for (size_t I = 0; I < L.Pieces.size(); ++I) {
      if (!(Set & (2u << I))) continue;
      Tag += L.Pieces[I].Lead;
      if (!L.Pieces[I].Field->IsFlag()) Tag += Stand(1 + I) + '"';
    }
    Tag += '>';
    size_t Positions[TAttributeScanner::MaxNames];
    FScanner.Scan(Tag, Positions);
    std::vector<int8_t> Sources(FScanner.Count(), -1);
    for (size_t K = 0; K < FScanner.Count(); ++K) {
      if (K > 0 && FFields[K - 1]->IsFlag()) {
        if (Positions[K] != 0) Sources[K] = 0;
        continue;
      }
      std::string Value;
      if (!AttributeValueAt(Tag, Positions[K], Value)) continue;
      const bool Number = Value.size() == 2 && std::isdigit(static_cast<unsigned char>(Value[0])) &&
                          std::isdigit(static_cast<unsigned char>(Value[1]));
      if (Value.empty() ? (Set & 1) != 0 : !Number)
        return std::nullopt;  // read in a way the cut cannot give back
      const int Index = Value.empty() ? 0 : (Value[0] - '0') * 10 + (Value[1] - '0') - 10;
      if (Index < 0 || Index >= static_cast<int>(MaxValues)) return std::nullopt;
      Sources[K] = static_cast<int8_t>(Index);
    }
    return Sources;
  }

  const TAttributeScanner& FScanner;
  // Each piece's lead: its bytes, where its attribute's name starts in them,
  // the line feeds it holds, and whether the piece is a flag.
  struct TLead {
    std::string Text;
    size_t NameAt;
    int Breaks;
    bool Flag;
  };
  std::vector<TLead> FLeads;
  std::vector<const TField<T>*> FFields;
};
