// A plain panel (background, bevels, caption) whose drawing can be replaced or
// added to through OnPaint. The main window's grey caption bars are made of it.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class TODPanel : public QWidget {
  Q_OBJECT

 public:
  enum TPanelBevel { bvNone = 0, bvLowered = 1, bvRaised = 2 };

  explicit TODPanel(QWidget* Parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  // Where the caption sits; centred at creation.
  Qt::Alignment Alignment() const { return FAlignment; }
  void SetAlignment(Qt::Alignment Value);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel Value);
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel Value);
  // Width of each bevel in pixels; values below 1 become 1.
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);
  // The background; the button face at creation.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& Value);
  // The caption's colour; the window text colour at creation.
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& Value);

  // When false, the panel draws nothing itself and leaves it all to OnPaint.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);

 signals:
  // Runs on every repaint after the default drawing. The handler may open a
  // QPainter on Sender: it runs inside the panel's paint event.
  void OnPaint(TODPanel* Sender);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  void PaintDefault();

  QString FCaption;
  Qt::Alignment FAlignment = Qt::AlignCenter;
  TPanelBevel FBevelOuter = bvRaised;
  TPanelBevel FBevelInner = bvNone;
  int FBevelWidth = 1;
  QColor FColor;
  QColor FFontColor;
  bool FDefaultDrawing = true;
};
