#include "handscanner.h"

#include <cstring>

namespace {

bool IsBlank(char C) {
  return C == ' ' || C == '\t' || C == '\r' || C == '\n';
}

bool IsNameChar(char C) {
  return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_';
}

struct TCursor {
  const char* P;
  const char* End;

  void SkipBlanks() {
    while (P < End && IsBlank(*P))
      ++P;
  }
  std::string_view Name() {
    const char* Start = P;
    while (P < End && IsNameChar(*P))
      ++P;
    return {Start, static_cast<std::size_t>(P - Start)};
  }
  std::string_view Value() {
    if (P < End && *P == '"') {
      const char* Close = static_cast<const char*>(std::memchr(P + 1, '"', End - P - 1));
      if (!Close) Close = End;
      const std::string_view V(P + 1, static_cast<std::size_t>(Close - P - 1));
      P = Close < End ? Close + 1 : End;
      return V;
    }
    const char* Start = P;
    while (P < End && !IsBlank(*P) && *P != '>')
      ++P;
    return {Start, static_cast<std::size_t>(P - Start)};
  }
};

void ScanAttributes(TCursor& C, THandElement& E) {
  for (;;) {
    C.SkipBlanks();
    if (C.P >= C.End || *C.P == '>') return;
    const std::string_view Name = C.Name();
    if (Name.empty()) {
      ++C.P;  // a character no attribute starts with
      continue;
    }
    std::string_view Value;
    C.SkipBlanks();
    if (C.P < C.End && *C.P == '=') {
      ++C.P;
      C.SkipBlanks();
      Value = C.Value();
    }
    E.Attributes.emplace_back(Name, Value);
  }
}

}  // namespace

std::vector<THandElement> HandScan(std::string_view Text) {
  std::vector<THandElement> Elements;
  TCursor C{Text.data(), Text.data() + Text.size()};
  while (C.P < C.End) {
    const char* Open = static_cast<const char*>(std::memchr(C.P, '<', C.End - C.P));
    if (!Open) break;
    C.P = Open + 1;
    if (C.P < C.End && *C.P == '/') ++C.P;
    THandElement E;
    E.Tag = C.Name();
    ScanAttributes(C, E);
    if (C.P < C.End) ++C.P;  // the '>'
    Elements.push_back(std::move(E));
  }
  return Elements;
}
