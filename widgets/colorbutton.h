// A self-drawn push button that shows a colour: the face is filled with Color
// and the bevel colours are derived from it. Used as a colour swatch, with an
// optional caption (an ampersand marks the accelerator) and picture.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <initializer_list>

class QKeyEvent;
class QMouseEvent;
class QPainter;

// Colour plus 64 on each of red, green and blue, capped at 255.
QColor LightenColor(const QColor& Color);
// Colour minus 64 on each of red, green and blue, floored at 0.
QColor DarkenColor(const QColor& Color);

class TColorButton : public QWidget {
  Q_OBJECT

 public:
  // Place of the caption; the picture takes the opposite place.
  enum TAlignment {
    alTopLeft = 0,
    alTopCenter = 1,
    alTopRight = 2,
    alMiddleLeft = 3,
    alMiddleCenter = 4,
    alMiddleRight = 5,
    alBottomLeft = 6,
    alBottomCenter = 7,
    alBottomRight = 8
  };
  // Look of the border at rest.
  enum TButtonBevel { bbLowered = 0, bbNone = 1, bbRaised = 2 };
  enum TButtonStyle { bsAutoSize = 0, bsCenter = 1, bsStretch = 2, bsShowFocus = 3, bsShowKey = 4 };
  enum TButtonState { bsUp = 0, bsDown = 1, bsDisabled = 2 };

  // A set of button styles.
  class TButtonStyles {
   public:
    constexpr TButtonStyles() = default;
    constexpr TButtonStyles(std::initializer_list<TButtonStyle> Styles) {
      for (TButtonStyle S : Styles)
        FBits |= Bit(S);
    }
    constexpr bool Contains(TButtonStyle S) const { return (FBits & Bit(S)) != 0; }
    constexpr bool operator==(const TButtonStyles&) const = default;

   private:
    static constexpr unsigned Bit(TButtonStyle S) { return 1u << static_cast<unsigned>(S); }
    unsigned FBits = 0;
  };

  explicit TColorButton(QWidget* Parent = nullptr);
  ~TColorButton() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TButtonBevel BevelStyle() const { return FBevelStyle; }
  void SetBevelStyle(TButtonBevel Value);
  // Border width in pixels; values below 1 become 1.
  int BevelSize() const { return FBevelSize; }
  void SetBevelSize(int Value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  // The swatch colour; the button face at creation.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& Value);
  const QPixmap& Picture() const { return FPicture; }
  void SetPicture(const QPixmap& Value);
  // Gap in pixels between border and contents; negative values become 0.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TButtonStyles Style() const { return FStyle; }
  void SetStyle(TButtonStyles Value);

  // Up, down (pressed by mouse or Space) or disabled.
  TButtonState State() const { return FState; }

  QSize sizeHint() const override;

 signals:
  void OnClick();
  void OnDblClick();
  void OnEnter();
  void OnExit();
  void OnKeyDown(QKeyEvent* Event);
  void OnKeyUp(QKeyEvent* Event);
  void OnMouseDown(QMouseEvent* Event);
  void OnMouseMove(QMouseEvent* Event);
  void OnMouseUp(QMouseEvent* Event);

 protected:
  bool event(QEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;

 private:
  void SetState(TButtonState Value);
  void ApplyAutoSize();
  void GrabAccelerator();
  QRect DrawBevel(QPainter& Painter, QRect R) const;
  void DrawFocus(QPainter& Painter, const QRect& R);
  QRect PictureRect() const;
  void DrawCaption(QPainter& Painter) const;
  void DrawCaptionPass(QPainter& Painter, QPoint At, const QColor& Pen) const;
  QPoint CaptionPosition() const;

  TAlignment FAlignment = alMiddleCenter;
  TButtonBevel FBevelStyle = bbRaised;
  int FBevelSize = 2;
  QString FCaption;
  QColor FColor;
  QPixmap FPicture;
  int FSpacing = 2;
  TButtonStyles FStyle{bsCenter, bsShowFocus, bsShowKey};
  TButtonState FState = bsUp;
  bool FFocused = false;
  bool FClickPending = false;
  bool FKeyDown = false;
  int FShortcutId = 0;
};
