#include "app/corvane/imagelist.h"

#include <QBitmap>
#include <QImage>

bool TImageList::LoadFromStrip(const QString& Path, const QColor& Transparent) {
  FImages.clear();
  const QImage Strip(Path);
  if (Strip.isNull() || Strip.height() < FHeight) return false;
  for (int X = 0; X + FWidth <= Strip.width(); X += FWidth) {
    QPixmap Image = QPixmap::fromImage(Strip.copy(X, 0, FWidth, FHeight));
    Image.setMask(Image.createMaskFromColor(Transparent, Qt::MaskInColor));
    FImages.push_back(Image);
  }
  return true;
}

QPixmap TImageList::Pixmap(int Index) const {
  return Index >= 0 && Index < Count() ? FImages[Index] : QPixmap();
}

QIcon TImageList::Icon(int Index) const {
  const QPixmap Image = Pixmap(Index);
  return Image.isNull() ? QIcon() : QIcon(Image);
}
