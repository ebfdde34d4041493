// The editor's colour scheme: nine colours in 0x00BBGGRR form, as the
// settings store keeps them, and the same scheme made readable on a
// desktop palette of other colours.
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

// The WCAG 2 relative luminance of a colour, and the contrast ratio of two
// (1 to 21, whichever is lighter).
double RelativeLuminance(const QColor& Colour);
double ContrastRatio(const QColor& A, const QColor& B);

// The contrast every token's colour keeps against the editor's background.
inline constexpr double ReadableContrast = 4.5;

// Fore as it is when it stands out from Back by Contrast; else Fore with
// its hue and saturation kept and its lightness moved, toward white on a
// dark Back and toward black on a light one, just far enough.
QColor ReadableOn(const QColor& Fore, const QColor& Back, double Contrast = ReadableContrast);

// The designed scheme on the background Base with the desktop's text colour
// Text: the designed colours as they are on the white they were chosen for;
// on any other Base, the background is Base, plain text and keywords start
// from Text, the other token colours from their designed ones, each made
// readable on Base. The selection's pair is kept: it is drawn on itself.
TEditor ReadableScheme(const QColor& Base, const QColor& Text);
