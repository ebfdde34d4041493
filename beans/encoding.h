// The two text encodings a JSB document can have. Model strings always hold
// the file's own bytes; these helpers convert at the edges only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class TTextEncoding { Utf8, Latin1 };

// UTF-8 when the bytes are valid UTF-8 (plain ASCII included), else Latin-1.
TTextEncoding DetectEncoding(std::string_view Bytes);
bool IsValidUtf8(std::string_view Bytes);
// Length of the UTF-8 sequence starting at Bytes[I], or 0 when it is invalid
// (overlong forms, surrogates and values above U+10FFFF included).
size_t Utf8SequenceLength(std::string_view Bytes, size_t I);
// Whether every byte is below 0x80.
bool IsAscii(std::string_view Bytes);
const char* EncodingName(TTextEncoding Encoding);  // "UTF-8" or "Latin-1"

// The bytes as UTF-8 text (Latin-1 bytes become one character each).
std::string ToUtf8(std::string_view Bytes, TTextEncoding Encoding);
// UTF-8 text as bytes of the encoding; none when a character cannot be
// represented in Latin-1 or the text is not valid UTF-8.
std::optional<std::string> FromUtf8(std::string_view Utf8, TTextEncoding Encoding);
