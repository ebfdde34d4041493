#include "textutils.h"

std::string PadLeftWith(std::string_view S, char Ch, int Len) {
  std::string Result;
  const auto Have = static_cast<long long>(S.size());
  if (Len > Have) Result.assign(static_cast<size_t>(Len - Have), Ch);
  Result.append(S);
  return Result;
}

std::string CharString(char Ch, int Count) {
  return PadLeftWith({}, Ch, Count);
}

std::string Spaces(int Count) {
  return CharString(' ', Count);
}

std::string ReplaceChar(std::string_view S, char Ch, std::string_view Replacement) {
  std::string Result;
  Result.reserve(S.size());
  for (char C : S) {
    if (C == Ch)
      Result.append(Replacement);
    else
      Result.push_back(C);
  }
  return Result;
}

std::string UpperCaseAscii(std::string_view S) {
  std::string Result(S);
  for (char& C : Result)
    C = UpCaseAscii(C);
  return Result;
}
