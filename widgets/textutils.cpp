#include "textutils.h"

#include <algorithm>

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

// Sized once, and copied a run between two Ch at a time: the editor hands
// whole documents of several megabytes to it.
std::string ReplaceChar(std::string_view S, char Ch, std::string_view Replacement) {
  const auto Count = static_cast<std::size_t>(std::count(S.begin(), S.end(), Ch));
  std::string Result;
  Result.reserve(S.size() - Count + Count * Replacement.size());
  std::size_t From = 0;
  for (std::size_t At = S.find(Ch); At != std::string_view::npos; At = S.find(Ch, From)) {
    Result.append(S, From, At - From).append(Replacement);
    From = At + 1;
  }
  return Result.append(S, From);
}

std::string UpperCaseAscii(std::string_view S) {
  std::string Result(S);
  for (char& C : Result)
    C = UpCaseAscii(C);
  return Result;
}
