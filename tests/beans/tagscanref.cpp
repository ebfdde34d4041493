#include "tagscanref.h"

#include "widgets/textutils.h"

std::string RefBlank(std::string T) {
  for (;;) {
    const size_t P = T.find('"');
    if (P == std::string::npos) return T;
    size_t Q = T.find('"', P + 1);
    if (Q == std::string::npos) Q = P;
    const size_t L = T.find("\r\n", P + 1);
    if (L != std::string::npos && L > Q)
      T.replace(P, Q - P + 1, Spaces(int(Q - P + 1)));
    else if (L == std::string::npos)
      return T;
    else
      T.replace(P, L - P, Spaces(int(L - P)));
  }
}

size_t RefFindAttribute(const std::string& Tag, const std::string& Name) {
  const std::string T = RefBlank(UpperCaseAscii(Tag)), N = UpperCaseAscii(Name);
  if (N.empty()) return 0;
  const std::string Patterns[] = {" " + N, "\t" + N, N + "=", N + " ="};
  const size_t Offsets[] = {1, 1, 0, 0};
  for (int I = 0; I < 4; ++I) {
    const size_t At = T.find(Patterns[I]);
    if (At != std::string::npos) return At + Offsets[I] + N.size() + 1;
  }
  return 0;
}

// An unquoted value that meets no space or carriage return runs to the end
// of the tag text, less a closing '>' there.
bool RefGetAttributeValue(const std::string& Tag, const std::string& Name, std::string& Value) {
  Value.clear();
  const size_t A = RefFindAttribute(Tag, Name);
  if (A == 0) return false;
  std::string S = Tag.substr(A - 1);
  if (S.find('=') != std::string::npos) S = S.substr(S.find('=') + 1);
  while (!S.empty() && static_cast<unsigned char>(S[0]) <= 32)
    S.erase(0, 1);
  if (!S.empty() && S[0] == '"') {
    S.erase(0, 1);
    const size_t Q = S.find('"'), L = S.find("\r\n");
    if (Q == std::string::npos || (L != std::string::npos && Q > L)) return false;
    Value = S.substr(0, Q);
    return true;
  }
  const size_t End = S.find_first_of(" \r");
  if (End != std::string::npos)
    Value = S.substr(0, End);
  else
    Value = S.ends_with('>') ? S.substr(0, S.size() - 1) : S;
  return !Value.empty();
}

bool RefFindTag(const std::string& Text, const std::string& TagStart, const std::string& Terminator,
                std::string& TagText) {
  const size_t P = UpperCaseAscii(Text).find(TagStart);
  if (P == std::string::npos) return false;
  const std::string Rest = Text.substr(P);
  const size_t Q = UpperCaseAscii(Rest).find(Terminator);
  TagText = Q == std::string::npos ? "" : Rest.substr(0, Q + 1);
  return Q != std::string::npos;
}

bool RefRemove(std::string& Text, const std::string& Open, const std::string& Close) {
  bool Result = false;
  for (;;) {
    const std::string U = UpperCaseAscii(Text);
    const size_t P = U.find(UpperCaseAscii(Open));
    if (P == std::string::npos) return Result;
    const size_t C = U.find(UpperCaseAscii(Close), P + Open.size());
    if (C == std::string::npos) return Result;
    Text = Text.substr(0, P) + Text.substr(C + Close.size());
    Result = true;
  }
}
