#include "beans/jsonwriter.h"

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

bool NeedsEscape(char C) {
  return C == '"' || C == '\\' || static_cast<unsigned char>(C) < 0x20;
}

// Valid UTF-8 goes out in runs between the characters that need escaping.
void AppendQuotedUtf8(std::string& Out, std::string_view Utf8) {
  Out += '"';
  std::size_t Run = 0;
  if (Utf8.starts_with("\xEF\xBB\xBF")) {
    Out += "\\uFEFF";
    Run = 3;
  }
  for (std::size_t I = Run; I < Utf8.size(); ++I) {
    if (!NeedsEscape(Utf8[I])) continue;
    Out.append(Utf8, Run, I - Run);
    AppendEscaped(Out, Utf8[I]);
    Run = I + 1;
  }
  Out.append(Utf8, Run);
  Out += '"';
}

}  // namespace

void AppendJsonQuoted(std::string& Out, std::string_view Text) {
  if (IsValidUtf8(Text))
    AppendQuotedUtf8(Out, Text);
  else
    AppendQuotedUtf8(Out, ToUtf8(Text, TTextEncoding::Latin1));
}

std::string JsonQuoted(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size() + 2);
  AppendJsonQuoted(Out, Text);
  return Out;
}

void TJsonWriter::Key(std::string_view Name) {
  BeforeEntry();
  AppendJsonQuoted(FOut, Name);
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
  BeforeValue();
  FOut += Literal;
}

void TJsonWriter::String(std::string_view Text) {
  BeforeValue();
  AppendJsonQuoted(FOut, Text);
}

void TJsonWriter::BeforeValue() {
  if (FAfterKey)
    FAfterKey = false;
  else
    BeforeEntry();
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
