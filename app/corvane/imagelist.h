// A list of equally sized images cut from one horizontal strip, with one
// colour of the strip made transparent. A strip of twice the size beside it
// (NAME@2x.png) gives each image a sharp copy for screens scaled by two.
#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

class TImageList {
 public:
  TImageList(int Width, int Height) : FWidth(Width), FHeight(Height) {}

  // Cuts the strip at Path (a file or resource) into images, left to right,
  // and its double-size companion when there is one. False, with the list
  // emptied, when the strip cannot be loaded.
  bool LoadFromStrip(const QString& Path, const QColor& Transparent);

  int Count() const { return static_cast<int>(FImages.size()); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The image at Index; a null pixmap or icon when there is none. The icon
  // also holds the double-size copy.
  QPixmap Pixmap(int Index) const;
  QIcon Icon(int Index) const;
  // Adds the image at Index, in both sizes, to Icon for the mode.
  void AddTo(QIcon& Icon, int Index, QIcon::Mode Mode) const;

 private:
  int FWidth, FHeight;
  QList<QPixmap> FImages;
  // The icon of each image, made once: a large tree shares them.
  mutable QList<QIcon> FIcons;
  QList<QPixmap> FDoubles;  // empty, or one for each image
};
