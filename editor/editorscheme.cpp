#include "editor/editorscheme.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

double Linear(double Channel) {
  return Channel <= 0.04045 ? Channel / 12.92 : std::pow((Channel + 0.055) / 1.055, 2.4);
}

// The colour at HSL lightness L, rounded to what the scheme keeps.
QColor AtLightness(const QColor& Colour, double L) {
  return ColorOf(BGROf(QColor::fromHslF(Colour.hslHueF(), Colour.hslSaturationF(), L)));
}

}  // namespace

double RelativeLuminance(const QColor& Colour) {
  return 0.2126 * Linear(Colour.redF()) + 0.7152 * Linear(Colour.greenF()) +
         0.0722 * Linear(Colour.blueF());
}

double ContrastRatio(const QColor& A, const QColor& B) {
  const double La = RelativeLuminance(A), Lb = RelativeLuminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

// Luminance grows with HSL lightness at a fixed hue and saturation, so the
// nearest lightness that is readable is found by halving the way between
// the colour and white (or black): the far end itself is always readable on
// the side of Back where white or black stands out more.
QColor ReadableOn(const QColor& Fore, const QColor& Back, double Contrast) {
  if (ContrastRatio(Fore, Back) >= Contrast) return Fore;
  const double Lb = RelativeLuminance(Back);
  const bool Lighter = (Lb + 0.05) * (Lb + 0.05) < 1.05 * 0.05;  // white outdoes black on Back
  const auto Readable = [&](const QColor& C) {
    return ContrastRatio(C, Back) >= Contrast && (RelativeLuminance(C) > Lb) == Lighter;
  };
  double Near = std::max(0.0, static_cast<double>(Fore.lightnessF())), Far = Lighter ? 1.0 : 0.0;
  if (!Readable(AtLightness(Fore, Far))) return Lighter ? QColor(Qt::white) : QColor(Qt::black);
  for (int Step = 0; Step < 24; ++Step) {
    const double Mid = (Near + Far) / 2;
    (Readable(AtLightness(Fore, Mid)) ? Far : Near) = Mid;
  }
  return AtLightness(Fore, Far);
}

TEditor ReadableScheme(const QColor& Base, const QColor& Text) {
  const TEditor Designed;
  if (BGROf(Base) == Designed.Background) return Designed;
  TEditor Scheme = Designed;
  Scheme.Background = BGROf(Base);
  const auto Readable = [&](const QColor& Start, double Contrast = ReadableContrast) {
    return BGROf(ReadableOn(Start, Base, Contrast));
  };
  Scheme.Normal = Readable(Text);
  Scheme.Keywords = Readable(Text);
  // Colours of one hue (maroon comments, red numbers) can meet at the same
  // readable lightness: a token that would look like one before it stands
  // out further from the background instead.
  std::vector<std::uint32_t> Taken = {Scheme.Normal};
  for (std::uint32_t TEditor::*Token :
       {&TEditor::Strings, &TEditor::HTMLTags, &TEditor::Comments, &TEditor::Numbers}) {
    double Contrast = ReadableContrast;
    do
      Scheme.*Token = Readable(ColorOf(Designed.*Token), Contrast);
    while (std::find(Taken.begin(), Taken.end(), Scheme.*Token) != Taken.end() &&
           (Contrast += 1.5) < 21);
    Taken.push_back(Scheme.*Token);
  }
  return Scheme;
}
