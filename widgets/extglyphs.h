// The glyph strip of the extended page control: one bitmap cut into images,
// image i belonging to page i.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <functional>

#include "widgets/extpagecontroltypes.h"

class TExtGlyphs {
 public:
  // OnLayoutChange runs after Position or Spacing changed, OnGlyphChange after
  // the image list was rebuilt.
  TExtGlyphs(std::function<void()> OnLayoutChange, std::function<void()> OnGlyphChange);

  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& Value);
  quint16 NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(quint16 Value);
  TExtGlyphPosition Position() const { return FPosition; }
  void SetPosition(TExtGlyphPosition Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  QColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(const QColor& Value);

  // The strip cut into images, left to right, TransparentColor made transparent.
  const QList<QImage>& Images() const { return FImages; }
  // Size of one image; empty while the list holds none.
  QSize ImageSize() const;

 private:
  void Rebuild();

  QImage FGlyph;
  quint16 FNumGlyphs = 0;
  TExtGlyphPosition FPosition = glPosLeft;
  int FSpacing = 5;
  QColor FTransparentColor{0xFF, 0x00, 0xFF};
  QList<QImage> FImages;
  std::function<void()> FOnLayoutChange;
  std::function<void()> FOnGlyphChange;
};
