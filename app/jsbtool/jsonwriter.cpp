#include "jsonwriter.h"

#include <cstdio>

#include "beans/encoding.h"

namespace {

void AppendEscaped(std::string& Out, char C) {
  switch (C) {
    case '"':
      Out += "\\\"";
      return;
    case '\\':
      Out += "\\\\";
      return;
    case '\n':
      Out += "\\n";
      return;
    case '\r':
      Out += "\\r";
      return;
    case '\t':
      Out += "\\t";
      return;
    default:
      break;
  }
  if (static_cast<unsigned char>(C) < 0x20) {
    char Code[8];
    std::snprintf(Code, sizeof Code, "\\u%04X", static_cast<unsigned>(C));
    Out += Code;
  } else {
    Out += C;
  }
}

}  // namespace

std::string JsonQuoted(std::string_view Text) {
  const std::string Utf8 =
      IsValidUtf8(Text) ? std::string(Text) : ToUtf8(Text, TTextEncoding::Latin1);
  std::string Out;
  Out.reserve(Utf8.size() + 2);
  Out += '"';
  for (char C : Utf8)
    AppendEscaped(Out, C);
  Out += '"';
  return Out;
}

void TJsonWriter::Key(std::string_view Name) {
  BeforeEntry();
  FOut += JsonQuoted(Name);
  FOut += ": ";
  FAfterKey = true;
}

void TJsonWriter::Open(char Bracket) {
  Scalar(std::string_view(&Bracket, 1));
  FHasEntries.push_back(false);
}

void TJsonWriter::Close(char Bracket) {
  const bool HadEntries = FHasEntries.back();
  FHasEntries.pop_back();
  if (HadEntries) NewLine();
  FOut += Bracket;
  if (FHasEntries.empty()) FOut += '\n';
}

void TJsonWriter::Scalar(std::string_view Literal) {
  if (FAfterKey)
    FAfterKey = false;
  else
    BeforeEntry();
  FOut += Literal;
}

void TJsonWriter::BeforeEntry() {
  if (FHasEntries.empty()) return;
  if (FHasEntries.back()) FOut += ',';
  FHasEntries.back() = true;
  NewLine();
}

void TJsonWriter::NewLine() {
  FOut += '\n';
  FOut.append(2 * FHasEntries.size(), ' ');
}
