#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "widgets/colorbutton.h"

using B = TColorButton;

namespace {

const QColor kFace(100, 150, 200);

int CountPixels(const QImage& Image, const QRect& Area, const QColor& Color) {
  int Count = 0;
  for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
    for (int X = Area.left(); X <= Area.right(); ++X)
      if (Image.pixelColor(X, Y).rgb() == Color.rgb()) ++Count;
  return Count;
}

QImage Shot(TColorButton& Button) {
  return Button.grab().toImage();
}

QColor At(TColorButton& Button, int X, int Y) {
  return Shot(Button).pixelColor(X, Y);
}

QFont PlainFont() {
  QFont Font = QApplication::font();
  Font.setStyleStrategy(QFont::NoAntialias);
  return Font;
}

QPixmap Solid(int W, int H, const QColor& Color) {
  QPixmap Picture(W, H);
  Picture.fill(Color);
  return Picture;
}

}  // namespace

class ColorButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void DerivedColours_data();
  void DerivedColours();
  void ClampsBevelAndSpacing();
  void MousePressSwapsBorderColours();
  void LoweredBevelLooksRaisedWhilePressed();
  void SpaceClicksOnRelease();
  void EnterClicksWithoutPressedLook();
  void DisabledButtonIgnoresInput();
  void DisabledCaptionIsEmbossed();
  void AcceleratorClicksFromAnywhereInWindow();
  void AcceleratorIsUnderlined();
  void PictureTakesPlaceOppositeCaption();
  void AutoSizeWrapsPicture();
};

void ColorButtonTest::DerivedColours_data() {
  QTest::addColumn<QColor>("Face");
  QTest::addColumn<QColor>("Light");
  QTest::addColumn<QColor>("Dark");
  QTest::newRow("white") << QColor(255, 255, 255) << QColor(255, 255, 255) << QColor(191, 191, 191);
  QTest::newRow("black") << QColor(0, 0, 0) << QColor(64, 64, 64) << QColor(0, 0, 0);
  QTest::newRow("mixed") << QColor(100, 200, 30) << QColor(164, 255, 94) << QColor(36, 136, 0);
  QTest::newRow("hsv") << QColor::fromHsv(0, 255, 255) << QColor(255, 64, 64) << QColor(191, 0, 0);
}

void ColorButtonTest::DerivedColours() {
  QFETCH(QColor, Face);
  QFETCH(QColor, Light);
  QFETCH(QColor, Dark);
  QCOMPARE(LightenColor(Face).rgb(), Light.rgb());
  QCOMPARE(DarkenColor(Face).rgb(), Dark.rgb());
}

void ColorButtonTest::ClampsBevelAndSpacing() {
  TColorButton Button;
  Button.SetColor(kFace);
  Button.SetBevelSize(0);
  QCOMPARE(Button.BevelSize(), 1);
  Button.SetBevelSize(-5);
  QCOMPARE(Button.BevelSize(), 1);
  Button.SetSpacing(-3);
  QCOMPARE(Button.Spacing(), 0);
  Button.SetSpacing(4);
  QCOMPARE(Button.Spacing(), 4);
  // A one-pixel border: the face starts right inside it.
  const QImage Image = Shot(Button);
  QCOMPARE(Image.pixelColor(0, 0).rgb(), LightenColor(kFace).rgb());
  QCOMPARE(Image.pixelColor(74, 24).rgb(), DarkenColor(kFace).rgb());
  QCOMPARE(Image.pixelColor(1, 1).rgb(), kFace.rgb());
  QCOMPARE(Image.pixelColor(73, 23).rgb(), kFace.rgb());
}

void ColorButtonTest::MousePressSwapsBorderColours() {
  TColorButton Button;
  Button.SetColor(kFace);
  QSignalSpy Clicks(&Button, &TColorButton::OnClick);
  QCOMPARE(At(Button, 1, 1).rgb(), LightenColor(kFace).rgb());
  QCOMPARE(At(Button, 73, 23).rgb(), DarkenColor(kFace).rgb());
  QCOMPARE(At(Button, 2, 2).rgb(), kFace.rgb());

  QTest::mousePress(&Button, Qt::LeftButton, {}, QPoint(30, 12));
  QCOMPARE(Button.State(), B::bsDown);
  QCOMPARE(At(Button, 1, 1).rgb(), DarkenColor(kFace).rgb());
  QCOMPARE(At(Button, 73, 23).rgb(), LightenColor(kFace).rgb());
  QCOMPARE(Clicks.count(), 0);

  QTest::mouseRelease(&Button, Qt::LeftButton, {}, QPoint(30, 12));
  QCOMPARE(Button.State(), B::bsUp);
  QCOMPARE(At(Button, 1, 1).rgb(), LightenColor(kFace).rgb());
  QCOMPARE(Clicks.count(), 1);

  // Released outside: up again, but no click.
  QTest::mousePress(&Button, Qt::LeftButton, {}, QPoint(30, 12));
  QTest::mouseRelease(&Button, Qt::LeftButton, {}, QPoint(200, 12));
  QCOMPARE(Button.State(), B::bsUp);
  QCOMPARE(Clicks.count(), 1);
}

void ColorButtonTest::LoweredBevelLooksRaisedWhilePressed() {
  TColorButton Button;
  Button.SetColor(kFace);
  Button.SetBevelStyle(B::bbLowered);
  QCOMPARE(At(Button, 0, 0).rgb(), DarkenColor(kFace).rgb());
  QTest::mousePress(&Button, Qt::LeftButton, {}, QPoint(30, 12));
  QCOMPARE(At(Button, 0, 0).rgb(), LightenColor(kFace).rgb());
  QTest::mouseRelease(&Button, Qt::LeftButton, {}, QPoint(30, 12));

  Button.SetBevelStyle(B::bbNone);
  QCOMPARE(At(Button, 0, 0).rgb(), kFace.rgb());
  QCOMPARE(At(Button, 74, 24).rgb(), kFace.rgb());
}

void ColorButtonTest::SpaceClicksOnRelease() {
  TColorButton Button;
  QSignalSpy Clicks(&Button, &TColorButton::OnClick);
  QTest::keyPress(&Button, Qt::Key_Space);
  QCOMPARE(Button.State(), B::bsDown);
  QCOMPARE(Clicks.count(), 0);
  QTest::keyRelease(&Button, Qt::Key_Space);
  QCOMPARE(Button.State(), B::bsUp);
  QCOMPARE(Clicks.count(), 1);
}

void ColorButtonTest::EnterClicksWithoutPressedLook() {
  TColorButton Button;
  QList<B::TButtonState> StatesAtClick;
  connect(&Button, &TColorButton::OnClick, [&] { StatesAtClick.append(Button.State()); });
  QTest::keyPress(&Button, Qt::Key_Return);
  QCOMPARE(Button.State(), B::bsUp);
  QVERIFY(StatesAtClick.isEmpty());
  QTest::keyRelease(&Button, Qt::Key_Return);
  QTest::keyClick(&Button, Qt::Key_Enter);
  QCOMPARE(StatesAtClick, (QList<B::TButtonState>{B::bsUp, B::bsUp}));
}

void ColorButtonTest::DisabledButtonIgnoresInput() {
  TColorButton Button;
  QSignalSpy Clicks(&Button, &TColorButton::OnClick);
  Button.setEnabled(false);
  QCOMPARE(Button.State(), B::bsDisabled);
  QTest::mouseClick(&Button, Qt::LeftButton, {}, QPoint(30, 12));
  QTest::keyClick(&Button, Qt::Key_Space);
  QTest::keyClick(&Button, Qt::Key_Return);
  QCOMPARE(Button.State(), B::bsDisabled);
  QCOMPARE(Clicks.count(), 0);
  Button.setEnabled(true);
  QCOMPARE(Button.State(), B::bsUp);
  QTest::mouseClick(&Button, Qt::LeftButton, {}, QPoint(30, 12));
  QCOMPARE(Clicks.count(), 1);
}

void ColorButtonTest::DisabledCaptionIsEmbossed() {
  TColorButton Button;
  Button.setFont(PlainFont());
  Button.SetColor(kFace);
  Button.SetCaption("Strings");
  const QRect Inside = Button.rect().adjusted(2, 2, -3, -3);
  const QColor Text = Button.palette().color(QPalette::ButtonText);

  const QImage Enabled = Shot(Button);
  QVERIFY(CountPixels(Enabled, Inside, Text) > 0);
  QCOMPARE(CountPixels(Enabled, Inside, DarkenColor(kFace)), 0);

  Button.setEnabled(false);
  const QImage Disabled = Shot(Button);
  QCOMPARE(CountPixels(Disabled, Inside, Text), 0);
  const int Dark = CountPixels(Disabled, Inside, DarkenColor(kFace));
  const int Light = CountPixels(Disabled, Inside, LightenColor(kFace));
  QVERIFY(Dark > 0);
  QVERIFY(Light > 0);
  // The light pass lies one pixel down and right, under the dark one.
  QVERIFY(Light < Dark);
}

void ColorButtonTest::AcceleratorClicksFromAnywhereInWindow() {
  QWidget Window;
  auto* Layout = new QVBoxLayout(&Window);
  auto* Field = new QLineEdit(&Window);
  auto* Button = new TColorButton(&Window);
  Layout->addWidget(Field);
  Layout->addWidget(Button);
  Button->SetCaption("&Strings");
  QSignalSpy Clicks(Button, &TColorButton::OnClick);
  Window.show();
  Window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Window));
  Field->setFocus();

  QTest::keyClick(Field, Qt::Key_S, Qt::AltModifier);
  QCOMPARE(Clicks.count(), 1);
  QVERIFY(Field->text().isEmpty());

  Button->SetCaption("Str&ings");
  QTest::keyClick(Field, Qt::Key_S, Qt::AltModifier);
  QCOMPARE(Clicks.count(), 1);
  QTest::keyClick(Field, Qt::Key_I, Qt::AltModifier);
  QCOMPARE(Clicks.count(), 2);

  Button->setEnabled(false);
  QTest::keyClick(Field, Qt::Key_I, Qt::AltModifier);
  QCOMPARE(Clicks.count(), 2);
}

void ColorButtonTest::AcceleratorIsUnderlined() {
  TColorButton Button;
  Button.setFont(PlainFont());
  Button.SetColor(kFace);
  Button.SetCaption("&Strings");
  const QFontMetrics Metrics(Button.font());
  const int D = 4, W = 75, H = 25;
  const int X = D + (W - 2 * D - Metrics.horizontalAdvance("Strings")) / 2;
  const int Y = D + (H - 2 * D - Metrics.height()) / 2 + Metrics.height();
  const QRect Line(X, Y, Metrics.horizontalAdvance("S"), 1);
  const QColor Text = Button.palette().color(QPalette::ButtonText);

  QCOMPARE(CountPixels(Shot(Button), Line, Text), Line.width());
  Button.SetStyle({B::bsCenter, B::bsShowFocus});
  QCOMPARE(CountPixels(Shot(Button), Line, Text), 0);
  // Without an ampersand nothing is underlined either.
  Button.SetStyle({B::bsCenter, B::bsShowKey});
  Button.SetCaption("Strings");
  QCOMPARE(CountPixels(Shot(Button), Line, Text), 0);
}

void ColorButtonTest::PictureTakesPlaceOppositeCaption() {
  const QColor Red(255, 0, 0);
  TColorButton Button;
  Button.SetColor(kFace);
  Button.SetPicture(Solid(8, 8, Red));
  Button.SetStyle({});

  Button.SetAlignment(B::alMiddleLeft);  // picture right, centred vertically
  QImage Image = Shot(Button);
  QCOMPARE(CountPixels(Image, Image.rect(), Red), 64);
  QCOMPARE(CountPixels(Image, QRect(63, 8, 8, 8), Red), 64);

  Button.SetAlignment(B::alBottomCenter);  // picture at the top
  Image = Shot(Button);
  QCOMPARE(CountPixels(Image, QRect(33, 4, 8, 8), Red), 64);

  Button.SetAlignment(B::alTopRight);  // picture at the bottom
  Image = Shot(Button);
  QCOMPARE(CountPixels(Image, QRect(33, 13, 8, 8), Red), 64);

  Button.SetAlignment(B::alMiddleLeft);
  Button.SetStyle({B::bsCenter});
  Image = Shot(Button);
  QCOMPARE(CountPixels(Image, QRect(33, 8, 8, 8), Red), 64);

  Button.SetStyle({B::bsStretch, B::bsCenter});
  Image = Shot(Button);
  QCOMPARE(CountPixels(Image, Image.rect(), Red), 67 * 17);
  QCOMPARE(CountPixels(Image, QRect(4, 4, 67, 17), Red), 67 * 17);
}

void ColorButtonTest::AutoSizeWrapsPicture() {
  TColorButton Button;
  Button.SetStyle({B::bsAutoSize});
  QCOMPARE(Button.size(), QSize(75, 25));
  Button.SetPicture(Solid(10, 6, Qt::blue));
  QCOMPARE(Button.size(), QSize(14, 10));
  Button.SetBevelSize(3);
  QCOMPARE(Button.size(), QSize(16, 12));
}

QTEST_MAIN(ColorButtonTest)
#include "colorbutton_test.moc"
