// Small string helpers shared by the model, the scanner and the editing commands.
// All strings are 8-bit text held as bytes.
#pragma once

#include <string>
#include <string_view>

// S with copies of Ch put in front until it is at least Len characters long.
std::string PadLeftWith(std::string_view S, char Ch, int Len);
// Count copies of Ch; empty when Count is 0 or negative.
std::string CharString(char Ch, int Count);
// Count blanks.
std::string Spaces(int Count);
// S with every Ch replaced by Replacement; the replacement is not scanned again.
std::string ReplaceChar(std::string_view S, char Ch, std::string_view Replacement);

// Upper-cases the ASCII letters a to z only; every other byte is kept.
inline char UpCaseAscii(char C) {
  return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
}
std::string UpperCaseAscii(std::string_view S);
// Whether the bytes at At, as many as Upper holds, equal Upper (upper case)
// with their letters a to z folded to upper case.
inline bool MatchesFolded(const char* At, std::string_view Upper) {
  for (size_t I = 0; I < Upper.size(); ++I)
    if (UpCaseAscii(At[I]) != Upper[I]) return false;
  return true;
}
