#include "tagscan.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "../widgets/textutils.h"
#include "bytewords.h"

namespace {

constexpr auto npos = std::string_view::npos;

// A letter in Pattern can only match its upper-case form in the text, or
// that form's lower-case twin; anything else matches itself.
const char* FindFirstChar(const char* From, const char* End, char Wanted) {
  if (Wanted >= 'A' && Wanted <= 'Z') {
    const char Lower = static_cast<char>(Wanted - 'A' + 'a');
    for (const char* P = From; P < End; ++P)
      if (*P == Wanted || *P == Lower) return P;
    return nullptr;
  }
  if (Wanted >= 'a' && Wanted <= 'z') return nullptr;  // never in upper-cased text
  return static_cast<const char*>(std::memchr(From, Wanted, static_cast<size_t>(End - From)));
}

}  // namespace

size_t FindFolded(std::string_view Text, std::string_view Pattern, size_t From) {
  if (Pattern.empty()) return From <= Text.size() ? From : npos;
  if (From >= Text.size() || Text.size() - From < Pattern.size()) return npos;
  const char* Last = Text.data() + (Text.size() - Pattern.size()) + 1;
  for (const char* P = Text.data() + From; P < Last; ++P) {
    P = FindFirstChar(P, Last, Pattern[0]);
    if (!P) return npos;
    if (MatchesFolded(P, Pattern)) return static_cast<size_t>(P - Text.data());
  }
  return npos;
}

bool FindTag(std::string_view Text, std::string_view TagStart, std::string_view Terminator,
             std::string& TagText) {
  const size_t Start = FindFolded(Text, TagStart);
  if (Start == npos) return false;
  const size_t End = FindFolded(Text, Terminator, Start);
  if (End == npos) {
    TagText.clear();
    return false;
  }
  TagText.assign(Text.substr(Start, End - Start + 1));
  return true;
}

// Builds the result in one pass. After a removal, a new opening tag can only
// start where the joined text meets, so the search resumes just before it.
bool RemoveTagBlocks(std::string& Text, std::string_view OpenTag, std::string_view CloseTag,
                     std::vector<TRemovedBlock>* Blocks) {
  const std::string Open = UpperCaseAscii(OpenTag), Close = UpperCaseAscii(CloseTag);
  if (Open.empty() || FindFolded(Text, Open) == npos) return false;
  std::string Out;
  Out.reserve(Text.size());
  size_t In = 0;  // the part of Text not yet copied starts here
  bool Removed = false;
  for (;;) {
    // Matches that begin in the tail of Out and run on into Text[In..].
    size_t Found = npos;
    const size_t TailStart = Out.size() >= Open.size() ? Out.size() - Open.size() + 1 : 0;
    for (size_t P = TailStart; P < Out.size() && Found == npos; ++P) {
      std::string Probe = Out.substr(P);
      Probe.append(Text, In, Open.size() - Probe.size());
      if (Probe.size() == Open.size() && MatchesFolded(Probe.data(), Open)) Found = P;
    }
    size_t OpenAt = npos;  // position in Text when the match lies wholly there
    if (Found == npos) OpenAt = FindFolded(Text, Open, In);
    if (Found == npos && OpenAt == npos) break;
    const size_t SearchClose =
        Found != npos ? In + (Open.size() - (Out.size() - Found)) : OpenAt + Open.size();
    const size_t CloseAt = FindFolded(Text, Close, SearchClose);
    if (CloseAt == npos) break;  // unclosed: it stays, and nothing after it can close
    // An opening tag that ran on from the text kept holds no line break.
    const size_t From = Found != npos ? In : OpenAt;
    if (Found != npos)
      Out.resize(Found);
    else
      Out.append(Text, In, OpenAt - In);
    In = CloseAt + Close.size();
    if (Blocks)
      Blocks->push_back({Out.size(), static_cast<size_t>(std::count(
                                         Text.begin() + static_cast<std::ptrdiff_t>(From),
                                         Text.begin() + static_cast<std::ptrdiff_t>(In), '\n'))});
    Removed = true;
  }
  if (!Removed) return false;
  Out.append(Text, In, npos);
  Text = std::move(Out);
  return true;
}

namespace {

// BlankQuotedText on its own copy, in place.
void BlankQuotes(std::string& Result) {
  size_t From = 0, LineEnd = npos;
  bool LineEndKnown = false;
  for (;;) {
    const size_t P = Result.find('"', From);
    if (P == npos) break;
    size_t Q = Result.find('"', P + 1);
    if (Q == npos) Q = P;
    if (!LineEndKnown || (LineEnd != npos && LineEnd <= P)) {
      LineEnd = Result.find("\r\n", P + 1);
      LineEndKnown = true;
    }
    if (LineEnd == npos) break;  // no quote at or after P is blanked
    const size_t Last = LineEnd > Q ? Q : LineEnd - 1;
    std::fill(Result.begin() + static_cast<std::ptrdiff_t>(P),
              Result.begin() + static_cast<std::ptrdiff_t>(Last + 1), ' ');
    From = Last + 1;
  }
}

// The tag's search form in one copy: upper-cased, then blanked.
std::string SearchForm(std::string_view TagText) {
  std::string Result(TagText);
  for (char& C : Result)
    C = UpCaseAscii(C);
  BlankQuotes(Result);
  return Result;
}

// The blanked runs of a tag, found as the walk reaches them. A double quote
// that is not itself blanked starts a run that ends at the next quote, or at
// the end of its line when that comes first; a quote with no line end after
// it, and every quote after that, stays as it is.
class TQuotedRuns {
 public:
  explicit TQuotedRuns(std::string_view Text) : FText(Text) {}

  // The last blanked position of the run a quote at P starts, or npos.
  size_t RunEnd(size_t P) {
    const size_t LineEnd = LineEndAfter(P + 1);
    if (LineEnd == npos) return npos;
    size_t Q = FText.find('"', P + 1);
    if (Q == npos) Q = P;
    return LineEnd > Q ? Q : LineEnd - 1;
  }

 private:
  // The first CR LF at or after From; the last answer is kept, since the
  // walk asks about nearby places again and again.
  size_t LineEndAfter(size_t From) {
    if (From < FFrom || (FEnd != npos && FEnd < From)) {
      FFrom = From;
      FEnd = FText.find("\r\n", From);
    }
    return FEnd;
  }

  std::string_view FText;
  size_t FFrom = npos, FEnd = npos;
};

// The first occurrence of each of the patterns a name can be found by after
// " N": "\tN", "N=" and "N =", as the position just after N.
struct TLaterPatterns {
  size_t At[3] = {npos, npos, npos};
  size_t Best() const {
    for (size_t Found : At)
      if (Found != npos) return Found + 1;
    return 0;
  }
};

// Whether the eight bytes at P are all blanks: indentation is most of a tag.
bool EightBlanks(const char* P) {
  uint64_t Word;
  std::memcpy(&Word, P, sizeof Word);
  return Word == 0x2020202020202020u;
}

// FindAttribute on a prepared search form, for names the walk cannot take.
size_t FindInSearchForm(std::string_view T, std::string_view N) {
  if (N.empty()) return 0;
  TLaterPatterns Later;
  for (size_t At = T.find(N); At != npos; At = T.find(N, At + 1)) {
    const size_t After = At + N.size();
    const char Before = At > 0 ? T[At - 1] : '\0';
    if (Before == ' ') return After + 1;  // " N" is tried first: nothing can beat it
    if (Before == '\t' && Later.At[0] == npos) Later.At[0] = After;
    if (After < T.size() && T[After] == '=' && Later.At[1] == npos) Later.At[1] = After;
    if (After + 1 < T.size() && T[After] == ' ' && T[After + 1] == '=' && Later.At[2] == npos)
      Later.At[2] = After;
  }
  return Later.Best();
}

}  // namespace

std::string BlankQuotedText(std::string_view Text) {
  std::string Result(Text);
  BlankQuotes(Result);
  return Result;
}

TAttributeScanner::TAttributeScanner(std::span<const std::string_view> Names) {
  FClasses[static_cast<unsigned char>('"')] = TByteClass::Stop;
  FClasses[static_cast<unsigned char>(' ')] = TByteClass::Blank;
  FNames.reserve(Names.size());
  for (size_t I = 0; I < Names.size() && I < MaxNames; ++I) {
    const std::string N = UpperCaseAscii(Names[I]);
    FNames.push_back(N);
    if (N.find_first_of(" \"") != npos) FPlain = false;
    if (N.empty()) continue;
    const uint32_t Bit = 1u << I;
    for (size_t At = 0; At < 2; ++At) {
      uint32_t* Table = At == 0 ? FFirst : FSecond;
      if (At >= N.size()) {  // a name of one letter follows its letter with anything
        for (uint32_t& Entry : FSecond)
          Entry |= Bit;
        continue;
      }
      const auto C = static_cast<unsigned char>(N[At]);
      Table[C] |= Bit;
      if (C >= 'A' && C <= 'Z') Table[C - 'A' + 'a'] |= Bit;
    }
    const auto First = static_cast<unsigned char>(N[0]);
    FClasses[First] = TByteClass::Stop;
    if (First >= 'A' && First <= 'Z') FClasses[First - 'A' + 'a'] = TByteClass::Stop;
  }
  for (const std::string& N : FNames)
    FWords.emplace_back(N);
  for (const std::string& N : FNames) {
    size_t Skip = std::max<size_t>(N.size(), 1);
    for (size_t K = 1; K < N.size() && Skip == N.size(); ++K)
      for (const std::string& M : FNames) {
        const size_t Common = std::min(M.size(), N.size() - K);
        if (!M.empty() && N.compare(K, Common, M, 0, Common) == 0) Skip = K;
      }
    FSkip.push_back(Skip);
  }
}

void TAttributeScanner::ScanSearchForm(std::string_view TagText,
                                       std::span<size_t> Positions) const {
  const std::string T = SearchForm(TagText);
  for (size_t I = 0; I < FNames.size(); ++I)
    Positions[I] = FindInSearchForm(T, FNames[I]);
}

// Whether name number Name stands at At, letters folded; Left bytes follow.
bool TAttributeScanner::MatchesAt(const char* At, size_t Left, size_t Name) const {
  const std::string& N = FNames[Name];
  if (Left < N.size()) return false;
  const TFoldedWords& W = FWords[Name];
  if (!W.Fits || Left < 8 * W.Words) return MatchesFolded(At, N);  // near the end of the text
  return W.At(At);
}

// Blanks are found eight bytes at a time, and the two bytes after each rule
// out most names before any is compared.
bool TAttributeScanner::HoldsBlankLedName(std::string_view Text) const {
  const auto NameAfter = [&](size_t Blank) {
    const size_t At = Blank + 1;
    if (At >= Text.size()) return false;
    uint32_t Can = FFirst[static_cast<unsigned char>(Text[At])];
    if (At + 1 < Text.size()) Can &= FSecond[static_cast<unsigned char>(Text[At + 1])];
    for (; Can; Can &= Can - 1)
      if (MatchesAt(Text.data() + At, Text.size() - At, static_cast<size_t>(std::countr_zero(Can))))
        return true;
    return false;
  };
  size_t Blank = 0;
  if constexpr (WordsInTextOrder)
    for (; Blank + 8 <= Text.size(); Blank += 8)
      for (uint64_t Found = BytesEqual(LoadWord(Text.data() + Blank), ' '); Found;
           Found &= Found - 1)
        if (NameAfter(Blank + FirstFlagged(Found))) return true;
  for (; Blank < Text.size(); ++Blank)
    if (Text[Blank] == ' ' && NameAfter(Blank)) return true;
  return false;
}

// The bytes of a name found are known, so the walk steps past those in which
// no name can start; one step when nothing was found.
size_t TAttributeScanner::SkipAfterMatch(uint32_t Matched) const {
  size_t Skip = 1;
  for (; Matched; Matched &= Matched - 1)
    Skip = std::max(Skip, FSkip[static_cast<size_t>(std::countr_zero(Matched))]);
  return Skip;
}

// Every pattern contains N, so one walk over the places where N occurs finds
// the first occurrence of each; " N" settles a name at once. Blanked runs
// hold no name: a name has no quote, and a run starts with one. So the walk
// steps over each run, and a name that starts outside a run never reaches
// into one.
void TAttributeScanner::Scan(std::string_view T, std::span<size_t> Positions) const {
  if (!FPlain) return ScanSearchForm(T, Positions);
  TLaterPatterns Later[MaxNames];  // set up for a name when it first occurs
  uint32_t Open = 0, Seen = 0;     // names not yet settled; names met
  for (size_t K = 0; K < FNames.size(); ++K)
    if (!FNames[K].empty()) Open |= 1u << K;
  TQuotedRuns Runs(T);
  const char* const Text = T.data();
  const size_t Size = T.size();
  bool AfterRun = false;  // the position before I was blanked
  for (size_t I = 0; Open;) {
    // Most of a tag is blanks, line ends and the letters inside names; the
    // walk goes on past a letter no open name can start at.
    const size_t From = I;
    uint32_t Can = 0;
    while (I < Size) {
      const auto C = static_cast<unsigned char>(Text[I]);
      const TByteClass Class = FClasses[C];
      if (Class == TByteClass::Stop) {
        if (C == '"') break;
        Can = FFirst[C] & Open;
        if (I + 1 < Size) Can &= FSecond[static_cast<unsigned char>(Text[I + 1])];
        if (Can) break;
      }
      I += Class == TByteClass::Blank && I + 8 <= Size && EightBlanks(Text + I) ? 8 : 1;
    }
    if (I != From) AfterRun = false;
    if (I >= Size) break;
    if (Text[I] == '"') {
      const size_t End = Runs.RunEnd(I);
      // A quote that is not blanked starts no name.
      I = End != npos ? End + 1 : I + 1;
      AfterRun = End != npos;
      continue;
    }
    uint32_t Matched = 0;
    for (; Can; Can &= Can - 1) {
      const int K = std::countr_zero(Can);
      const uint32_t Bit = 1u << K;
      const std::string& N = FNames[static_cast<size_t>(K)];
      if (!MatchesAt(Text + I, Size - I, static_cast<size_t>(K))) continue;
      Matched |= Bit;
      const size_t After = I + N.size();
      const char Before = I == 0 ? '\0' : AfterRun ? ' ' : UpCaseAscii(Text[I - 1]);
      if (Before == ' ') {
        Positions[static_cast<size_t>(K)] = After + 1;
        Open &= ~Bit;
        continue;
      }
      TLaterPatterns& L = Later[K];
      if (!(Seen & Bit)) L = {};
      Seen |= Bit;
      if (Before == '\t' && L.At[0] == npos) L.At[0] = After;
      if (After < Size && Text[After] == '=' && L.At[1] == npos) L.At[1] = After;
      if (After + 1 < Size && L.At[2] == npos) {
        // A quote just after the name blanks to a blank; the '=' must then
        // lie outside its run.
        const bool Blank =
            Text[After] == ' ' || (Text[After] == '"' && Runs.RunEnd(After) == After);
        if (Blank && Text[After + 1] == '=') L.At[2] = After;
      }
    }
    AfterRun = false;
    I += Matched ? SkipAfterMatch(Matched) : 1;
  }
  for (size_t K = 0; K < FNames.size(); ++K) {
    const uint32_t Bit = 1u << K;
    if (Open & Bit)
      Positions[K] = Seen & Bit ? Later[K].Best() : 0;
    else if (FNames[K].empty())
      Positions[K] = 0;
  }
}

bool AttributeValueAt(std::string_view TagText, size_t Position, std::string& Value) {
  Value.clear();
  if (Position == 0) return false;
  std::string_view S = TagText.substr(Position - 1);
  const size_t Equals = S.find('=');
  if (Equals != npos) S.remove_prefix(Equals + 1);
  size_t Skip = 0;
  while (Skip < S.size() && static_cast<unsigned char>(S[Skip]) <= 32)
    ++Skip;
  S.remove_prefix(Skip);
  if (!S.empty() && S[0] == '"') {
    S.remove_prefix(1);
    const size_t Q = S.find('"');
    // It must close on its own line.
    if (Q == npos || S.substr(0, Q).find("\r\n") != npos) return false;
    Value.assign(S.substr(0, Q));
    return true;
  }
  size_t End = S.find_first_of(" \r");
  // A value that runs to the end of the tag text stops before the tag's own '>'.
  if (End == npos) End = (!S.empty() && S.back() == '>') ? S.size() - 1 : S.size();
  Value.assign(S.substr(0, End));
  return !Value.empty();
}

size_t FindAttribute(std::string_view TagText, std::string_view Name) {
  size_t Position = 0;
  TAttributeScanner(std::span(&Name, 1)).Scan(TagText, std::span(&Position, 1));
  return Position;
}

bool HasAttribute(std::string_view TagText, std::string_view Name) {
  return FindAttribute(TagText, Name) != 0;
}

bool GetAttributeValue(std::string_view TagText, std::string_view Name, std::string& Value) {
  return AttributeValueAt(TagText, FindAttribute(TagText, Name), Value);
}
