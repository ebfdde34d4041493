#include "tagscan.h"

#include <algorithm>
#include <cstring>

#include "../widgets/textutils.h"

namespace {

constexpr auto npos = std::string_view::npos;

bool MatchesFolded(const char* At, std::string_view Pattern) {
  for (size_t I = 0; I < Pattern.size(); ++I)
    if (UpCaseAscii(At[I]) != Pattern[I]) return false;
  return true;
}

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
bool RemoveTagBlocks(std::string& Text, std::string_view OpenTag, std::string_view CloseTag) {
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
    if (Found != npos)
      Out.resize(Found);
    else
      Out.append(Text, In, OpenAt - In);
    In = CloseAt + Close.size();
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

}  // namespace

std::string BlankQuotedText(std::string_view Text) {
  std::string Result(Text);
  BlankQuotes(Result);
  return Result;
}

TPreparedTag::TPreparedTag(std::string_view TagText)
    : FText(TagText), FSearch(SearchForm(TagText)) {}

// Every pattern contains N, so one walk over the places where N occurs finds
// the first occurrence of each; the order of the patterns decides.
size_t TPreparedTag::FindAttribute(std::string_view Name) const {
  // The reader's names are upper case already; only others are copied.
  const bool Upper =
      std::none_of(Name.begin(), Name.end(), [](char C) { return C >= 'a' && C <= 'z'; });
  const std::string Folded = Upper ? std::string() : UpperCaseAscii(Name);
  const std::string_view N = Upper ? Name : std::string_view(Folded);
  if (N.empty()) return 0;
  const std::string_view T = FSearch;
  size_t First[4] = {npos, npos, npos, npos};
  for (size_t At = T.find(N); At != npos; At = T.find(N, At + 1)) {
    const size_t After = At + N.size();
    const char Before = At > 0 ? T[At - 1] : '\0';
    if (Before == ' ') return After + 1;  // " N" is tried first: nothing can beat it
    if (Before == '\t' && First[1] == npos) First[1] = After;
    if (After < T.size() && T[After] == '=' && First[2] == npos) First[2] = After;
    if (After + 1 < T.size() && T[After] == ' ' && T[After + 1] == '=' && First[3] == npos)
      First[3] = After;
  }
  for (size_t Found : First)
    if (Found != npos) return Found + 1;
  return 0;
}

bool TPreparedTag::GetAttributeValue(std::string_view Name, std::string& Value) const {
  Value.clear();
  const size_t A = FindAttribute(Name);
  if (A == 0) return false;
  std::string_view S = FText.substr(A - 1);
  const size_t Equals = S.find('=');
  if (Equals != npos) S.remove_prefix(Equals + 1);
  size_t Skip = 0;
  while (Skip < S.size() && static_cast<unsigned char>(S[Skip]) <= 32)
    ++Skip;
  S.remove_prefix(Skip);
  if (!S.empty() && S[0] == '"') {
    S.remove_prefix(1);
    const size_t Q = S.find('"'), L = S.find("\r\n");
    if (Q == npos || (L != npos && L < Q)) return false;  // must close on its own line
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
  return TPreparedTag(TagText).FindAttribute(Name);
}

bool HasAttribute(std::string_view TagText, std::string_view Name) {
  return FindAttribute(TagText, Name) != 0;
}

bool GetAttributeValue(std::string_view TagText, std::string_view Name, std::string& Value) {
  return TPreparedTag(TagText).GetAttributeValue(Name, Value);
}
