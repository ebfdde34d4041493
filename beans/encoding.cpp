#include "encoding.h"

#include <cstdint>
#include <cstring>

size_t Utf8SequenceLength(std::string_view Bytes, size_t I) {
  const auto B = [&](size_t K) { return static_cast<unsigned char>(Bytes[K]); };
  const unsigned char Lead = B(I);
  if (Lead < 0x80) return 1;
  size_t Len;
  unsigned char Min = 0x80, Max = 0xBF;
  if (Lead >= 0xC2 && Lead <= 0xDF) {
    Len = 2;
  } else if (Lead >= 0xE0 && Lead <= 0xEF) {
    Len = 3;
    if (Lead == 0xE0) Min = 0xA0;
    if (Lead == 0xED) Max = 0x9F;
  } else if (Lead >= 0xF0 && Lead <= 0xF4) {
    Len = 4;
    if (Lead == 0xF0) Min = 0x90;
    if (Lead == 0xF4) Max = 0x8F;
  } else {
    return 0;
  }
  if (I + Len > Bytes.size()) return 0;
  if (B(I + 1) < Min || B(I + 1) > Max) return 0;
  for (size_t K = 2; K < Len; ++K)
    if (B(I + K) < 0x80 || B(I + K) > 0xBF) return 0;
  return Len;
}

bool IsValidUtf8(std::string_view Bytes) {
  size_t I = 0;
  while (I < Bytes.size()) {
    // Runs of ASCII are by far the most common; step over them 32 bytes at a
    // time, then eight.
    for (uint64_t Words[4]; I + sizeof Words <= Bytes.size(); I += sizeof Words) {
      std::memcpy(Words, Bytes.data() + I, sizeof Words);
      if ((Words[0] | Words[1] | Words[2] | Words[3]) & 0x8080808080808080ull) break;
    }
    for (uint64_t Word; I + 8 <= Bytes.size(); I += 8) {
      std::memcpy(&Word, Bytes.data() + I, 8);
      if (Word & 0x8080808080808080ull) break;
    }
    while (I < Bytes.size() && static_cast<unsigned char>(Bytes[I]) < 0x80)
      ++I;
    if (I == Bytes.size()) break;
    const size_t Len = Utf8SequenceLength(Bytes, I);
    if (Len == 0) return false;
    I += Len;
  }
  return true;
}

TTextEncoding DetectEncoding(std::string_view Bytes) {
  return IsValidUtf8(Bytes) ? TTextEncoding::Utf8 : TTextEncoding::Latin1;
}

const char* EncodingName(TTextEncoding Encoding) {
  return Encoding == TTextEncoding::Utf8 ? "UTF-8" : "Latin-1";
}

std::string ToUtf8(std::string_view Bytes, TTextEncoding Encoding) {
  if (Encoding == TTextEncoding::Utf8) return std::string(Bytes);
  std::string Out;
  Out.reserve(Bytes.size());
  for (char C : Bytes) {
    const auto U = static_cast<unsigned char>(C);
    if (U < 0x80) {
      Out.push_back(C);
    } else {
      Out.push_back(static_cast<char>(0xC0 | (U >> 6)));
      Out.push_back(static_cast<char>(0x80 | (U & 0x3F)));
    }
  }
  return Out;
}

bool IsAscii(std::string_view Bytes) {
  constexpr std::uint64_t High = 0x8080808080808080u;
  size_t I = 0;
  for (; I + 8 <= Bytes.size(); I += 8) {
    std::uint64_t Word;
    std::memcpy(&Word, Bytes.data() + I, 8);
    if (Word & High) return false;
  }
  for (; I < Bytes.size(); ++I)
    if (static_cast<unsigned char>(Bytes[I]) >= 0x80) return false;
  return true;
}

std::optional<std::string> FromUtf8(std::string_view Utf8, TTextEncoding Encoding) {
  if (!IsValidUtf8(Utf8)) return std::nullopt;
  if (Encoding == TTextEncoding::Utf8) return std::string(Utf8);
  std::string Out;
  Out.reserve(Utf8.size());
  for (size_t I = 0; I < Utf8.size(); ++I) {
    const auto U = static_cast<unsigned char>(Utf8[I]);
    if (U < 0x80) {
      Out.push_back(static_cast<char>(U));
    } else if (U == 0xC2 || U == 0xC3) {
      Out.push_back(static_cast<char>(((U & 0x03) << 6) | (Utf8[I + 1] & 0x3F)));
      ++I;
    } else {
      return std::nullopt;  // beyond U+00FF
    }
  }
  return Out;
}
