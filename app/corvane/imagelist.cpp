#include "app/corvane/imagelist.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImage>

namespace {

QList<QPixmap> CutStrip(const QImage& Strip, int Width, int Height, const QColor& Transparent) {
  QList<QPixmap> Images;
  for (int X = 0; X + Width <= Strip.width(); X += Width) {
    QPixmap Image = QPixmap::fromImage(Strip.copy(X, 0, Width, Height));
    Image.setMask(Image.createMaskFromColor(Transparent, Qt::MaskInColor));
    Images.push_back(Image);
  }
  return Images;
}

// NAME.png becomes NAME@2x.png.
QString DoubleSizePath(const QString& Path) {
  const QString Suffix = QFileInfo(Path).suffix();
  return Suffix.isEmpty() ? Path + "@2x" : Path.chopped(Suffix.size() + 1) + "@2x." + Suffix;
}

}  // namespace

bool TImageList::LoadFromStrip(const QString& Path, const QColor& Transparent) {
  FImages.clear();
  FDoubles.clear();
  FIcons.clear();
  const QImage Strip(Path);
  if (Strip.isNull() || Strip.height() < FHeight) return false;
  FImages = CutStrip(Strip, FWidth, FHeight, Transparent);
  const QImage Double(DoubleSizePath(Path));
  if (Double.height() >= 2 * FHeight && Double.width() >= 2 * FWidth * Count()) {
    FDoubles = CutStrip(Double, 2 * FWidth, 2 * FHeight, Transparent);
    FDoubles.resize(Count());
    for (QPixmap& Image : FDoubles)
      Image.setDevicePixelRatio(2);
  }
  return true;
}

QPixmap TImageList::Pixmap(int Index) const {
  return Index >= 0 && Index < Count() ? FImages[Index] : QPixmap();
}

QIcon TImageList::Icon(int Index) const {
  if (Index < 0 || Index >= Count()) return QIcon();
  if (FIcons.size() != FImages.size()) FIcons = QList<QIcon>(FImages.size());
  QIcon& Result = FIcons[Index];
  if (Result.isNull()) AddTo(Result, Index, QIcon::Normal);
  return Result;
}

void TImageList::AddTo(QIcon& Icon, int Index, QIcon::Mode Mode) const {
  if (Index < 0 || Index >= Count()) return;
  Icon.addPixmap(FImages[Index], Mode);
  if (Index < FDoubles.size()) Icon.addPixmap(FDoubles[Index], Mode);
}
