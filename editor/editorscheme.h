// The editor's colour scheme: nine colours in 0x00BBGGRR form, as the
// settings store keeps them.
#pragma once

#include <QColor>
#include <cstdint>

class TEditor {
 public:
  std::uint32_t Normal = 0x000000;      // black
  std::uint32_t Strings = 0x808080;     // grey
  std::uint32_t Keywords = 0x000000;    // black
  std::uint32_t HTMLTags = 0x800000;    // navy
  std::uint32_t Comments = 0x000080;    // maroon
  std::uint32_t Numbers = 0x0000FF;     // red
  std::uint32_t Background = 0xFFFFFF;  // white
  std::uint32_t BlockFore = 0xFF0000;   // blue: selected text
  std::uint32_t BlockBack = 0x00FFFF;   // yellow: selection background
};

inline QColor ColorOf(std::uint32_t BGR) {
  return QColor(BGR & 0xFF, (BGR >> 8) & 0xFF, (BGR >> 16) & 0xFF);
}

inline std::uint32_t BGROf(const QColor& Color) {
  return static_cast<std::uint32_t>(Color.red()) | static_cast<std::uint32_t>(Color.green()) << 8 |
         static_cast<std::uint32_t>(Color.blue()) << 16;
}
