#include <QtTest>

#include "widgets/centre.h"

class CentreTest : public QObject {
  Q_OBJECT

 private slots:
  void CentredWithinTheArea_data() {
    QTest::addColumn<QSize>("Size");
    QTest::addColumn<QPoint>("Centre");
    QTest::addColumn<QPoint>("TopLeft");
    // The area is 800 x 600 from (100, 50).
    QTest::newRow("centred") << QSize(200, 100) << QPoint(500, 300) << QPoint(400, 250);
    QTest::newRow("odd size") << QSize(201, 101) << QPoint(500, 300) << QPoint(400, 250);
    QTest::newRow("held at the left and top")
        << QSize(200, 100) << QPoint(120, 60) << QPoint(100, 50);
    QTest::newRow("held at the right and bottom")
        << QSize(200, 100) << QPoint(880, 640) << QPoint(700, 550);
    QTest::newRow("exactly as wide as the area")
        << QSize(800, 600) << QPoint(890, 10) << QPoint(100, 50);
    QTest::newRow("larger than the area keeps its top-left corner on it")
        << QSize(1000, 700) << QPoint(880, 640) << QPoint(100, 50);
    QTest::newRow("a point outside the area")
        << QSize(200, 100) << QPoint(-500, 2000) << QPoint(100, 550);
  }
  void CentredWithinTheArea() {
    QFETCH(QSize, Size);
    QFETCH(QPoint, Centre);
    QFETCH(QPoint, TopLeft);
    QCOMPARE(CentredWithin(Size, Centre, QRect(100, 50, 800, 600)), TopLeft);
  }
};

QTEST_GUILESS_MAIN(CentreTest)
#include "centre_test.moc"
