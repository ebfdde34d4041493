// A list of equally sized images cut from one horizontal strip, with one
// colour of the strip made transparent.
#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

class TImageList {
 public:
  TImageList(int Width, int Height) : FWidth(Width), FHeight(Height) {}

  // Cuts the strip at Path (a file or resource) into images, left to right.
  // False, with the list emptied, when the strip cannot be loaded.
  bool LoadFromStrip(const QString& Path, const QColor& Transparent);

  int Count() const { return static_cast<int>(FImages.size()); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The image at Index; a null pixmap or icon when there is none.
  QPixmap Pixmap(int Index) const;
  QIcon Icon(int Index) const;

 private:
  int FWidth, FHeight;
  QList<QPixmap> FImages;
};
