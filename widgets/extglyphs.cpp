#include "widgets/extglyphs.h"

#include <utility>

namespace {

QImage Masked(QImage Image, QRgb Transparent) {
  Image = Image.convertToFormat(QImage::Format_ARGB32);
  for (int Y = 0; Y < Image.height(); ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Image.scanLine(Y));
    for (int X = 0; X < Image.width(); ++X)
      if ((Line[X] & RGB_MASK) == (Transparent & RGB_MASK)) Line[X] = qRgba(0, 0, 0, 0);
  }
  return Image;
}

}  // namespace

TExtGlyphs::TExtGlyphs(std::function<void()> OnLayoutChange, std::function<void()> OnGlyphChange)
    : FOnLayoutChange(std::move(OnLayoutChange)), FOnGlyphChange(std::move(OnGlyphChange)) {}

void TExtGlyphs::SetGlyph(const QImage& Value) {
  FGlyph = Value;
  Rebuild();
}

void TExtGlyphs::SetNumGlyphs(quint16 Value) {
  if (Value == FNumGlyphs) return;
  FNumGlyphs = Value;
  Rebuild();
}

void TExtGlyphs::SetPosition(TExtGlyphPosition Value) {
  if (Value == FPosition) return;
  FPosition = Value;
  if (FOnLayoutChange) FOnLayoutChange();
}

void TExtGlyphs::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  if (FOnLayoutChange) FOnLayoutChange();
}

void TExtGlyphs::SetTransparentColor(const QColor& Value) {
  if (Value == FTransparentColor) return;
  FTransparentColor = Value;
  Rebuild();
}

QSize TExtGlyphs::ImageSize() const {
  return FImages.isEmpty() ? QSize() : FImages.front().size();
}

// Cuts the strip into NumGlyphs images of equal width; a remainder narrower
// than one image is dropped, and a strip narrower than NumGlyphs pixels
// gives no images at all.
void TExtGlyphs::Rebuild() {
  FImages.clear();
  const int Width = FNumGlyphs == 0 ? 0 : FGlyph.width() / FNumGlyphs;
  if (Width > 0 && FGlyph.height() > 0) {
    const QImage Strip = Masked(FGlyph, FTransparentColor.rgb());
    for (int X = 0; X + Width <= Strip.width(); X += Width)
      FImages.append(Strip.copy(X, 0, Width, Strip.height()));
  }
  if (FOnGlyphChange) FOnGlyphChange();
}
