// A small JSON writer that keeps members in the order they are written, which
// a parsed document would not. Output is indented by two spaces per level and
// is always valid UTF-8.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Text as a JSON string literal: quoted, with quote, backslash and control
// characters escaped, and a leading byte order mark too, which a JSON reader
// may otherwise drop. Bytes that are not valid UTF-8 are taken as Latin-1, so
// the result is valid UTF-8 whatever it is given.
std::string JsonQuoted(std::string_view Text);
// The same, appended to Out.
void AppendJsonQuoted(std::string& Out, std::string_view Text);

class TJsonWriter {
 public:
  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // The name of the next member; the value written next belongs to it.
  void Key(std::string_view Name);
  void String(std::string_view Text);
  void Bool(bool Value) { Scalar(Value ? "true" : "false"); }
  void Number(long long Value) { Scalar(std::to_string(Value)); }
  // A member and its value in one call.
  void StringMember(std::string_view Name, std::string_view Text) {
    Key(Name);
    String(Text);
  }
  void NumberMember(std::string_view Name, long long Value) {
    Key(Name);
    Number(Value);
  }
  void BoolMember(std::string_view Name, bool Value) {
    Key(Name);
    Bool(Value);
  }

  void Reserve(std::size_t Bytes) { FOut.reserve(Bytes); }
  // Hands the text so far to Out and forgets it; what follows continues the
  // same document.
  void Drain(std::ostream& Out) {
    Out.write(FOut.data(), static_cast<std::streamsize>(FOut.size()));
    FOut.clear();
  }
  // The text so far, taken out; what follows continues the same document.
  std::string TakeText() { return std::exchange(FOut, {}); }
  // The document so far; it ends with a line break once the outermost value
  // is closed.
  const std::string& Text() const { return FOut; }

 private:
  void Open(char Bracket);
  void Close(char Bracket);
  void Scalar(std::string_view Literal);
  void BeforeValue();
  // Separator, line break and indent before a member or element.
  void BeforeEntry();
  void NewLine();

  std::string FOut;
  std::vector<bool> FHasEntries;  // one per open object or array
  bool FAfterKey = false;
};
