// The splash window shown while the main window is being created.
#pragma once

#include <QWidget>

class TfrmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmSplash(QWidget* Parent = nullptr);
  // The size designed at 96 dots per inch, scaled to Dpi.
  static QSize ScaledSize(int Dpi);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  QPixmap FPicture;
};
