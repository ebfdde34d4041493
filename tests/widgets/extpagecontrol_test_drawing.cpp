// The glyph strip, glyphs and drawing events by page index, disabled tabs
// and the colours of hot tracking.
#include <QLabel>
#include <QPainter>
#include <QTabBar>
#include <QTest>
#include <map>

#include "tests/widgets/extpagecontrol_test_support.h"
#include "widgets/extpagecontrol.h"

namespace {

const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), Magenta(255, 0, 255);

// Solid glyphs of 16 by 16 in the given colours, side by side.
QImage Strip(const QList<QColor>& Colors, int Size = 16) {
  QImage Image(Size * static_cast<int>(Colors.size()), Size, QImage::Format_RGB32);
  QPainter Painter(&Image);
  for (int I = 0; I < Colors.size(); ++I)
    Painter.fillRect(I * Size, 0, Size, Size, Colors[I]);
  return Image;
}

int CountColor(const QImage& Image, const QRect& Rect, const QColor& Color) {
  int Count = 0;
  const QRect Area = Rect.intersected(Image.rect());
  for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
    for (int X = Area.left(); X <= Area.right(); ++X)
      if (Image.pixelColor(X, Y).rgb() == Color.rgb()) ++Count;
  return Count;
}

QImage Shot(TExtPageControl& Control) {
  return Control.grab().toImage();
}

}  // namespace

class TExtPageDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void StripIsCutIntoEqualImages() {
    TExtGlyphs Glyphs({}, {});
    QImage Image = Strip({Red, Magenta});
    Image.setPixelColor(0, 0, Magenta);
    Glyphs.SetGlyph(Image);
    QVERIFY(Glyphs.Images().isEmpty());
    Glyphs.SetNumGlyphs(2);
    QCOMPARE(Glyphs.Images().size(), 2);
    QCOMPARE(Glyphs.ImageSize(), QSize(16, 16));
    QCOMPARE(Glyphs.Images()[0].pixelColor(0, 0).alpha(), 0);
    QCOMPARE(Glyphs.Images()[0].pixelColor(1, 0), Red);
    QCOMPARE(Glyphs.Images()[1].pixelColor(5, 5).alpha(), 0);
    Glyphs.SetTransparentColor(Red);
    QCOMPARE(Glyphs.Images()[0].pixelColor(0, 0), Magenta);
    QCOMPARE(Glyphs.Images()[0].pixelColor(1, 0).alpha(), 0);
    Glyphs.SetNumGlyphs(3);
    QCOMPARE(Glyphs.Images().size(), 3);
    QCOMPARE(Glyphs.ImageSize(), QSize(10, 16));
    Glyphs.SetNumGlyphs(33);
    QVERIFY(Glyphs.Images().isEmpty());
    Glyphs.SetNumGlyphs(0);
    QVERIFY(Glyphs.ImageSize().isEmpty());
  }

  void GlyphsReserveRoomOnlyWhenCut() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Two"});
    const int Plain = Control.GetTabRect(0).width();
    Control.TabGlyphs().SetGlyph(Strip({Red, Green}));
    QCOMPARE(Control.GetTabRect(0).width(), Plain);
    Control.TabGlyphs().SetNumGlyphs(2);
    QCOMPARE(Control.GetTabRect(0).width(), Plain + 16 + 5);
  }

  void GlyphsGoByPageIndex() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Zero", "One", "Two"});
    Control.setTabVisible(0, false);
    Control.TabGlyphs().SetGlyph(Strip({Red, Green, Blue}));
    Control.TabGlyphs().SetNumGlyphs(3);
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    const QImage Image = Shot(Control);
    const QRect First = Control.GetTabRect(0), Second = Control.GetTabRect(1);
    QCOMPARE(CountColor(Image, First, Green), 16 * 16);
    QCOMPARE(CountColor(Image, First, Red), 0);
    QCOMPARE(CountColor(Image, Second, Blue), 16 * 16);
    Control.TabGlyphs().SetPosition(glPosTop);
    Control.SetTabHeight(60);
    const QImage Above = Shot(Control);
    QCOMPARE(CountColor(Above, Control.GetTabRect(1), Blue), 16 * 16);
  }

  void DisabledTabIsEmbossedWithoutGlyph() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Enabled", "Disabled"});
    QPalette Palette = Control.palette();
    Palette.setColor(QPalette::Light, QColor(255, 255, 0));
    Palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0, 255, 255));
    Control.setPalette(Palette);
    QFont Font;
    Font.setPixelSize(20);
    Font.setBold(true);
    Font.setStyleStrategy(QFont::NoAntialias);
    Control.SetTabActiveFont({Font, Qt::black});
    Control.SetTabInactiveFont({Font, Qt::black});
    Control.setTabEnabled(1, false);
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    const auto Check = [&](bool GlyphExpected) {
      const QImage Image = Shot(Control);
      const QRect Off = Control.GetTabRect(1), On = Control.GetTabRect(0);
      QVERIFY(CountColor(Image, Off, QColor(255, 255, 0)) > 0);
      QVERIFY(CountColor(Image, Off, QColor(0, 255, 255)) > 0);
      QCOMPARE(CountColor(Image, Off, Green), 0);
      QCOMPARE(CountColor(Image, On, QColor(0, 255, 255)), 0);
      QCOMPARE(CountColor(Image, On, Red), GlyphExpected ? 16 * 16 : 0);
    };
    Check(false);
    Control.TabGlyphs().SetGlyph(Strip({Red, Green}));
    Control.TabGlyphs().SetNumGlyphs(2);
    Check(true);
  }

  void DrawTabEventGetsPageIndexAndState() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Hidden", "Active", "Off", "Plain"});
    Control.setTabVisible(0, false);
    Control.setCurrentIndex(1);
    Control.setTabEnabled(2, false);
    std::map<int, TOwnerDrawState> States;
    std::map<int, bool> Active;
    Control.OnDrawTab = [&](TExtPageControl* Sender, int Index, bool ActiveTab, const QRect& Fg,
                            const QRect& Bg, TOwnerDrawState State) {
      QCOMPARE(Sender, &Control);
      QVERIFY(Sender->Canvas() != nullptr);
      QVERIFY(Bg.intersects(Fg));
      States[Index] = State;
      Active[Index] = ActiveTab;
    };
    int InsidePage = -2;
    QRect InsideRect;
    Control.OnDrawBkgndInside = [&](TExtPageControl*, QPainter*, int CurrPage, const QRect& R) {
      InsidePage = CurrPage;
      InsideRect = R;
    };
    Shot(Control);
    QCOMPARE(States.size(), std::size_t(3));
    QVERIFY(!States.count(0));
    QCOMPARE(States[1] & (odSelected | odDisabled), odSelected);
    QVERIFY(Active[1] && !Active[2] && !Active[3]);
    QCOMPARE(States[2] & (odSelected | odDisabled), odDisabled);
    QCOMPARE(States[3] & (odSelected | odDisabled), TOwnerDrawState(0));
    QCOMPARE(InsidePage, 1);
    QCOMPARE(InsideRect, Control.GetPageAreaRect());
    QCOMPARE(Control.Canvas(), nullptr);
  }

  void HotTrackingColoursTheTabUnderTheMouse() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Active", "Other"});
    Control.SetTabActiveFont({QFont(), Qt::black});
    Control.SetTabInactiveFont({QFont(), Qt::darkGray});
    Control.Hottrack().SetTabActiveColor(Red);
    Control.Hottrack().SetTabInactiveColor(clNone);
    std::map<int, QColor> Pens;
    Control.OnDrawTab = [&](TExtPageControl* Sender, int Index, bool, const QRect&, const QRect&,
                            TOwnerDrawState) { Pens[Index] = Sender->Canvas()->pen().color(); };
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    QTabBar* Bar = Control.tabBar();
    const auto MoveTo = [&](int Tab) {
      const QPoint At = Bar->tabRect(Tab).center();
      QMouseEvent Move(QEvent::MouseMove, At, Bar->mapToGlobal(At), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
      QApplication::sendEvent(Bar, &Move);
    };
    MoveTo(0);
    QCOMPARE(Control.Hottrack().HotTab(), -1);
    Control.Hottrack().SetEnabled(true);
    MoveTo(1);
    QCOMPARE(Control.Hottrack().HotTab(), 1);
    QCOMPARE(Pens[1], QColor(Qt::darkGray));
    QCOMPARE(Pens[0], QColor(Qt::black));
    MoveTo(0);
    QCOMPARE(Control.Hottrack().HotTab(), 0);
    QCOMPARE(Pens[0], Red);
    QEvent Leave(QEvent::Leave);
    QApplication::sendEvent(Bar, &Leave);
    QCOMPARE(Control.Hottrack().HotTab(), -1);
    QCOMPARE(Pens[0], QColor(Qt::black));
  }
};

int RunExtPageDrawingTests(int Argc, char** Argv) {
  TExtPageDrawingTest Test;
  return QTest::qExec(&Test, Argc, Argv);
}

#include "extpagecontrol_test_drawing.moc"
