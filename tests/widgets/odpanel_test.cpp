#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include "widgets/odpanel.h"

namespace {

const QColor kGrey(128, 128, 128);
const QColor kMarker(255, 0, 0);

// Marks the panel's top-left 4 x 4 pixels from within its paint event.
void PaintMarker(TODPanel* Panel) {
  QPainter Painter(Panel);
  Painter.fillRect(QRect(0, 0, 4, 4), kMarker);
}

QImage Shot(TODPanel& Panel) {
  return Panel.grab().toImage();
}

}  // namespace

class ODPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void DefaultDrawingThenOnPaint();
  void WithoutDefaultDrawingOnlyOnPaintDraws();
  void BevelsFollowTheirSettings();
};

void ODPanelTest::DefaultDrawingThenOnPaint() {
  TODPanel Panel;
  Panel.resize(120, 17);
  Panel.SetColor(kGrey);
  Panel.SetBevelOuter(TODPanel::bvNone);
  QVERIFY(Panel.DefaultDrawing());
  QImage Image = Shot(Panel);
  QCOMPARE(Image.pixelColor(0, 0).rgb(), kGrey.rgb());
  QCOMPARE(Image.pixelColor(119, 16).rgb(), kGrey.rgb());

  connect(&Panel, &TODPanel::OnPaint, &PaintMarker);
  Image = Shot(Panel);
  QCOMPARE(Image.pixelColor(0, 0).rgb(), kMarker.rgb());
  QCOMPARE(Image.pixelColor(5, 5).rgb(), kGrey.rgb());
}

void ODPanelTest::WithoutDefaultDrawingOnlyOnPaintDraws() {
  TODPanel Panel;
  Panel.resize(60, 17);
  Panel.SetColor(kGrey);
  Panel.SetCaption("  Component");
  QSignalSpy Paints(&Panel, &TODPanel::OnPaint);
  connect(&Panel, &TODPanel::OnPaint, &PaintMarker);
  Panel.SetDefaultDrawing(false);
  const QImage Image = Shot(Panel);
  QCOMPARE(Paints.count(), 1);
  QCOMPARE(Paints.at(0).at(0).value<TODPanel*>(), &Panel);
  QCOMPARE(Image.pixelColor(0, 0).rgb(), kMarker.rgb());
  QVERIFY(Image.pixelColor(30, 8).rgb() != kGrey.rgb());
}

void ODPanelTest::BevelsFollowTheirSettings() {
  TODPanel Panel;
  Panel.resize(40, 20);
  Panel.SetColor(kGrey);
  const QColor Light = Panel.palette().color(QPalette::Light);
  const QColor Dark = Panel.palette().color(QPalette::Dark);
  QImage Image = Shot(Panel);  // raised outer bevel, one pixel
  QCOMPARE(Image.pixelColor(0, 0).rgb(), Light.rgb());
  QCOMPARE(Image.pixelColor(39, 19).rgb(), Dark.rgb());
  QCOMPARE(Image.pixelColor(1, 1).rgb(), kGrey.rgb());

  Panel.SetBevelInner(TODPanel::bvLowered);
  Panel.SetBevelWidth(0);
  QCOMPARE(Panel.BevelWidth(), 1);
  Image = Shot(Panel);
  QCOMPARE(Image.pixelColor(1, 1).rgb(), Dark.rgb());
  QCOMPARE(Image.pixelColor(38, 18).rgb(), Light.rgb());
  QCOMPARE(Image.pixelColor(2, 2).rgb(), kGrey.rgb());
}

QTEST_MAIN(ODPanelTest)
#include "odpanel_test.moc"
