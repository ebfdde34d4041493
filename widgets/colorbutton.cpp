#include "widgets/colorbutton.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "widgets/frame3d.h"

namespace {

constexpr int kShade = 64;

QColor Shifted(const QColor& Color, int Delta) {
  const QColor Rgb = Color.toRgb();
  auto Channel = [Delta](int Value) { return std::clamp(Value + Delta, 0, 255); };
  return QColor(Channel(Rgb.red()), Channel(Rgb.green()), Channel(Rgb.blue()), Rgb.alpha());
}

// The caption as drawn: without its first ampersand, and the index of the
// accelerator character in that text (-1 for none).
struct TCaptionText {
  QString Text;
  int KeyIndex = -1;
};

TCaptionText SplitCaption(const QString& Caption) {
  TCaptionText Result{Caption, -1};
  const qsizetype Amp = Caption.indexOf(QLatin1Char('&'));
  if (Amp < 0) return Result;
  Result.Text.remove(Amp, 1);
  if (Amp < Result.Text.size()) Result.KeyIndex = static_cast<int>(Amp);
  return Result;
}

bool IsEnterKey(int Key) {
  return Key == Qt::Key_Return || Key == Qt::Key_Enter;
}

// Column (0 left, 1 centre, 2 right) and row (0 top, 1 middle, 2 bottom).
int ColumnOf(TColorButton::TAlignment A) {
  return static_cast<int>(A) % 3;
}
int RowOf(TColorButton::TAlignment A) {
  return static_cast<int>(A) / 3;
}

// Start of an extent of Size within Total, with Inset kept at both ends.
int Place(int Slot, int Inset, int Total, int Size) {
  if (Slot == 0) return Inset;
  if (Slot == 1) return Inset + (Total - 2 * Inset - Size) / 2;
  return Total - Inset - Size;
}

}  // namespace

QColor LightenColor(const QColor& Color) {
  return Shifted(Color, kShade);
}

QColor DarkenColor(const QColor& Color) {
  return Shifted(Color, -kShade);
}

TColorButton::TColorButton(QWidget* Parent) : QWidget(Parent) {
  FColor = palette().color(QPalette::Button);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(75, 25);
  if (!isEnabled()) FState = bsDisabled;
}

TColorButton::~TColorButton() = default;

void TColorButton::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  update();
}

void TColorButton::SetBevelStyle(TButtonBevel Value) {
  FBevelStyle = Value;
  update();
}

void TColorButton::SetBevelSize(int Value) {
  FBevelSize = std::max(Value, 1);
  ApplyAutoSize();
  update();
}

void TColorButton::SetCaption(const QString& Value) {
  FCaption = Value;
  GrabAccelerator();
  update();
}

void TColorButton::SetColor(const QColor& Value) {
  FColor = Value;
  update();
}

void TColorButton::SetPicture(const QPixmap& Value) {
  if (Value.cacheKey() == FPicture.cacheKey()) return;
  FPicture = Value;
  ApplyAutoSize();
  update();
}

void TColorButton::SetSpacing(int Value) {
  Value = std::max(Value, 0);
  if (Value == FSpacing) return;
  FSpacing = Value;
  update();
}

void TColorButton::SetStyle(TButtonStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  ApplyAutoSize();
  update();
}

QSize TColorButton::sizeHint() const {
  if (!FPicture.isNull() && FStyle.Contains(bsAutoSize))
    return FPicture.size() + QSize(2 * FBevelSize, 2 * FBevelSize);
  return QSize(75, 25);
}

void TColorButton::SetState(TButtonState Value) {
  FState = Value;
  update();
}

// With a picture and bsAutoSize the button wraps the picture and its border.
void TColorButton::ApplyAutoSize() {
  if (!FPicture.isNull() && FStyle.Contains(bsAutoSize)) resize(sizeHint());
}

// The accelerator is the character after the first ampersand; it clicks the
// button from anywhere in its window, as Alt plus that character.
void TColorButton::GrabAccelerator() {
  if (FShortcutId != 0) releaseShortcut(FShortcutId);
  FShortcutId = 0;
  const TCaptionText Split = SplitCaption(FCaption);
  if (Split.KeyIndex < 0) return;
  const QChar Key = Split.Text.at(Split.KeyIndex).toUpper();
  FShortcutId =
      grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(Key.unicode()))));
}

bool TColorButton::event(QEvent* Event) {
  if (Event->type() == QEvent::Shortcut &&
      static_cast<QShortcutEvent*>(Event)->shortcutId() == FShortcutId) {
    if (isEnabled()) emit OnClick();
    Event->accept();
    return true;
  }
  return QWidget::event(Event);
}

void TColorButton::changeEvent(QEvent* Event) {
  if (Event->type() == QEvent::EnabledChange) {
    FKeyDown = false;
    FClickPending = false;
    SetState(isEnabled() ? bsUp : bsDisabled);
  }
  QWidget::changeEvent(Event);
}

void TColorButton::paintEvent(QPaintEvent*) {
  if (!isEnabled()) FState = bsDisabled;
  if (isEnabled() && FState == bsDisabled) FState = bsUp;
  QPainter Painter(this);
  Painter.setFont(font());
  QRect R = rect();
  Painter.fillRect(R, FColor);
  R = DrawBevel(Painter, R);
  if (FFocused && FStyle.Contains(bsShowFocus) && isEnabled()) DrawFocus(Painter, R);
  if (!FPicture.isNull()) Painter.drawPixmap(PictureRect(), FPicture);
  DrawCaption(Painter);
}

// Draws the border inside R and returns R shrunk by it.
QRect TColorButton::DrawBevel(QPainter& Painter, QRect R) const {
  if (FBevelStyle == bbNone) return R;
  const bool Swap = (FState == bsDown) != (FBevelStyle == bbLowered);
  const QColor TopLeft = Swap ? DarkenColor(FColor) : LightenColor(FColor);
  const QColor BottomRight = Swap ? LightenColor(FColor) : DarkenColor(FColor);
  return DrawFrame3D(Painter, R, TopLeft, BottomRight, FBevelSize);
}

void TColorButton::DrawFocus(QPainter& Painter, const QRect& R) {
  QStyleOptionFocusRect Option;
  Option.initFrom(this);
  const int Inset = FSpacing - 1;
  Option.rect = R.adjusted(Inset, Inset, -Inset, -Inset);
  Option.backgroundColor = FColor;
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &Option, &Painter, this);
}

QRect TColorButton::PictureRect() const {
  const int D = FBevelSize + FSpacing;
  const int W = width(), H = height(), Pw = FPicture.width(), Ph = FPicture.height();
  if (FStyle.Contains(bsStretch)) return rect().adjusted(D, D, -D, -D);
  if (FStyle.Contains(bsCenter)) return QRect((W - Pw) / 2, (H - Ph) / 2, Pw, Ph);
  // Opposite the caption: a middle caption sends the picture to the other
  // side, a top or bottom one to the other edge, horizontally centred.
  const bool Middle = RowOf(FAlignment) == 1;
  const int Column = Middle ? 2 - ColumnOf(FAlignment) : 1;
  const int Row = 2 - RowOf(FAlignment);
  return QRect(Place(Column, D, W, Pw), Place(Row, D, H, Ph), Pw, Ph);
}

QPoint TColorButton::CaptionPosition() const {
  const QFontMetrics Metrics(font());
  const QString Text = SplitCaption(FCaption).Text;
  const int D = FBevelSize + FSpacing;
  return QPoint(Place(ColumnOf(FAlignment), D, width(), Metrics.horizontalAdvance(Text)),
                Place(RowOf(FAlignment), D, height(), Metrics.height()));
}

// Enabled: once in the text colour. Disabled: embossed in the face's light
// colour one pixel down and right, then its dark colour in place.
void TColorButton::DrawCaption(QPainter& Painter) const {
  if (FCaption.isEmpty()) return;
  const QPoint At = CaptionPosition();
  if (isEnabled()) {
    DrawCaptionPass(Painter, At, palette().color(QPalette::ButtonText));
    return;
  }
  DrawCaptionPass(Painter, At + QPoint(1, 1), LightenColor(FColor));
  DrawCaptionPass(Painter, At, DarkenColor(FColor));
}

void TColorButton::DrawCaptionPass(QPainter& Painter, QPoint At, const QColor& Pen) const {
  const TCaptionText Split = SplitCaption(FCaption);
  const QFontMetrics Metrics(font());
  Painter.setPen(Pen);
  Painter.drawText(At.x(), At.y() + Metrics.ascent(), Split.Text);
  if (Split.KeyIndex < 0 || !FStyle.Contains(bsShowKey)) return;
  const int From = Metrics.horizontalAdvance(Split.Text.left(Split.KeyIndex));
  const int To = Metrics.horizontalAdvance(Split.Text.left(Split.KeyIndex + 1));
  const int Y = At.y() + Metrics.height();
  Painter.fillRect(QRect(At.x() + From, Y, To - From, 1), Pen);
}

void TColorButton::mousePressEvent(QMouseEvent* Event) {
  if (isEnabled()) SetState(bsDown);
  FClickPending = Event->button() == Qt::LeftButton;
  emit OnMouseDown(Event);
}

// A double click presses the button again but does not click it on release.
void TColorButton::mouseDoubleClickEvent(QMouseEvent* Event) {
  if (isEnabled()) SetState(bsDown);
  FClickPending = false;
  if (Event->button() == Qt::LeftButton) emit OnDblClick();
  emit OnMouseDown(Event);
}

void TColorButton::mouseMoveEvent(QMouseEvent* Event) {
  emit OnMouseMove(Event);
}

void TColorButton::mouseReleaseEvent(QMouseEvent* Event) {
  if (isEnabled()) SetState(bsUp);
  const bool Click = FClickPending && Event->button() == Qt::LeftButton &&
                     rect().contains(Event->position().toPoint());
  FClickPending = false;
  emit OnMouseUp(Event);
  if (Click && isEnabled()) emit OnClick();
}

void TColorButton::keyPressEvent(QKeyEvent* Event) {
  emit OnKeyDown(Event);
  if (!isEnabled()) return QWidget::keyPressEvent(Event);
  if (Event->key() == Qt::Key_Space) {
    FKeyDown = true;
    SetState(bsDown);
  } else if (!IsEnterKey(Event->key())) {
    // Enter is kept here so that it clicks only this button on release.
    return QWidget::keyPressEvent(Event);
  }
  Event->accept();
}

void TColorButton::keyReleaseEvent(QKeyEvent* Event) {
  emit OnKeyUp(Event);
  if (Event->isAutoRepeat() || !isEnabled()) return QWidget::keyReleaseEvent(Event);
  if (Event->key() == Qt::Key_Space && FKeyDown) {
    FKeyDown = false;
    SetState(bsUp);
    emit OnClick();
  } else if (IsEnterKey(Event->key()) && FState != bsDisabled) {
    emit OnClick();
  } else {
    return QWidget::keyReleaseEvent(Event);
  }
  Event->accept();
}

void TColorButton::focusInEvent(QFocusEvent* Event) {
  FFocused = true;
  update();
  emit OnEnter();
  QWidget::focusInEvent(Event);
}

// A Space press that loses the focus before its release lets the button up
// without a click, so it does not stay drawn pressed.
void TColorButton::focusOutEvent(QFocusEvent* Event) {
  FFocused = false;
  if (FKeyDown && FState == bsDown) FState = bsUp;
  FKeyDown = false;
  update();
  emit OnExit();
  QWidget::focusOutEvent(Event);
}
