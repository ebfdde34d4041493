// Tab sizes and sides, the button style, page and tab indices, the tab
// fonts, scaling, updates and the two misuse errors.
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include "tests/widgets/extpagecontrol_test_support.h"
#include "widgets/extpagecontrol.h"
#include "widgets/extpagecontrolversion.h"

namespace {

TExtTabFont PixelFont(int Pixels, bool Bold = false) {
  QFont Font;
  Font.setPixelSize(Pixels);
  Font.setBold(Bold);
  return {Font, Qt::black};
}

QSize FirstTabSize(TExtPageControl& Control) {
  return Control.GetTabRect(0).size();
}

}  // namespace

class TExtPageRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void SizesFollowTheSide() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Component", "Source"});
    Control.SetTabWidth(112);
    Control.SetTabHeight(22);
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    QCOMPARE(FirstTabSize(Control), QSize(112, 22));
    // A caption that needs more than the fixed width gets it, with room to
    // spare at either end.
    Control.setTabText(1, QString("Source View").repeated(3));
    const QFontMetrics Metrics(Control.font());
    QVERIFY(Control.GetTabRect(1).width() >=
            Metrics.horizontalAdvance(Control.tabText(1)) + 2 * Metrics.averageCharWidth());
    QCOMPARE(FirstTabSize(Control), QSize(112, 22));
    Control.SetTabPosition(tabPosBottom);
    QCOMPARE(Control.tabPosition(), QTabWidget::South);
    QCOMPARE(FirstTabSize(Control), QSize(112, 22));
    QVERIFY(Control.GetTabRect(0).top() > Control.GetPageAreaRect().top());
    Control.SetTabPosition(tabPosLeft);
    QCOMPARE(Control.tabPosition(), QTabWidget::West);
    QCOMPARE(FirstTabSize(Control), QSize(22, 112));
    QCOMPARE(Control.TabHeight(), quint16(22));
    QCOMPARE(Control.TabWidth(), quint16(112));
    Control.SetTabHeight(30);
    QCOMPARE(FirstTabSize(Control), QSize(30, 112));
    Control.SetTabPosition(tabPosRight);
    QCOMPARE(FirstTabSize(Control), QSize(30, 112));
    QVERIFY(!Control.IsUpdating());
  }

  void SideTabsGetASizeWhenTheyHadNone() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Two"});
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    Control.SetTabPosition(tabPosLeft);
    QCOMPARE(Control.TabHeight(), quint16(35));
    QCOMPARE(Control.TabWidth(), quint16(70));
    QCOMPARE(FirstTabSize(Control), QSize(35, 70));
    Control.SetTabPosition(tabPosTop);
    QCOMPARE(FirstTabSize(Control), QSize(70, 35));
  }

  void ButtonsOnlyAtTheTop() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Two"});
    Control.SetTabPosition(tabPosBottom);
    Control.SetTabStyle(tabStButton);
    QCOMPARE(Control.TabPosition(), tabPosTop);
    QCOMPARE(Control.tabPosition(), QTabWidget::North);
    QCOMPARE(Control.TabStyle(), tabStButton);
    Control.SetTabPosition(tabPosBottom);
    QCOMPARE(Control.TabStyle(), tabStDefault);
    Control.SetTabStyle(tabStButton);
    Control.SetTabPosition(tabPosRight);
    QCOMPARE(Control.TabStyle(), tabStDefault);
    QCOMPARE(Control.TabPosition(), tabPosRight);
  }

  void TabIndicesSkipHiddenPages() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Hidden", "One", "Also hidden", "Two"});
    Control.setTabVisible(0, false);
    Control.setTabVisible(2, false);
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    QCOMPARE(Control.PageTabIndex(0), -1);
    QCOMPARE(Control.PageTabIndex(3), 1);
    QCOMPARE(Control.GetPageIndexByTabIndex(0), 1);
    QCOMPARE(Control.GetPageIndexByTabIndex(1), 3);
    const QRect Second = Control.GetTabRect(1);
    QVERIFY(!Second.isEmpty());
    QCOMPARE(Control.TabIndexAt(Second.center()), 1);
    QCOMPARE(Control.TabIndexAt(Control.GetPageAreaRect().center()), -1);
    QVERIFY(Control.GetTabRect(2).isEmpty());
    QVERIFY(Control.GetTabRect(-1).isEmpty());
  }

  void MisuseRaisesTheDocumentedErrors() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Hidden", "One"});
    Control.setTabVisible(0, false);
    const auto Message = [](auto&& Call) -> QString {
      try {
        Call();
      } catch (const EExtPageInvalidCall& Error) {
        return QString::fromLocal8Bit(Error.what());
      }
      return "no error";
    };
    QCOMPARE(Message([&] { Control.SetHottrack(nullptr); }),
             "Invalid function call SetHottrack in component PageControl of class "
             "TExtPageControl. Can't assign Hottrack a new object.");
    QCOMPARE(Message([&] { Control.SetTabGlyphs(&Control.TabGlyphs()); }),
             "Invalid function call SetTabsGlyphs in component PageControl of class "
             "TExtPageControl. Can't assign TabGlyph a new object.");
    QCOMPARE(Message([&] { Control.GetPageIndexByTabIndex(1); }),
             "Function GetPageIndexByTabIndex of component PageControl of class TExtPageControl "
             "was called with an invalid parameter (CurrentTabIndex = 1).");
    QCOMPARE(Message([&] { Control.GetPageIndexByTabIndex(-1); }),
             "Function GetPageIndexByTabIndex of component PageControl of class TExtPageControl "
             "was called with an invalid parameter (CurrentTabIndex = -1).");
    Control.setObjectName("Pages%1");
    QVERIFY(Message([&] { Control.GetPageIndexByTabIndex(7); }).contains("Pages%1 of class"));
  }

  void StripIsSizedForTheLargerFont() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Two"});
    Control.SetTabActiveFont(PixelFont(11));
    Control.SetTabInactiveFont(PixelFont(13));
    QCOMPARE(Control.tabBar()->font().pixelSize(), 13);
    Control.SetTabActiveFont(PixelFont(13, true));
    Control.SetTabInactiveFont(PixelFont(11));
    QCOMPARE(Control.tabBar()->font().pixelSize(), 13);
    QVERIFY(Control.tabBar()->font().bold());
    Control.SetTabInactiveFont(PixelFont(13, false));
    QVERIFY(!Control.tabBar()->font().bold());
    const int Small = FirstTabSize(Control).height();
    Control.SetTabActiveFont(PixelFont(30));
    QVERIFY(FirstTabSize(Control).height() > Small);
  }

  void ScalingScalesSizesAndFonts() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One"});
    Control.SetTabHeight(22);
    Control.SetTabWidth(112);
    Control.SetTabActiveFont(PixelFont(11));
    QFont Points;
    Points.setPointSize(8);
    Control.SetTabInactiveFont({Points, Qt::black});
    Control.ScaleBy(3, 2);
    QCOMPARE(Control.TabHeight(), quint16(33));
    QCOMPARE(Control.TabWidth(), quint16(168));
    QCOMPARE(Control.TabActiveFont().Font.pixelSize(), 17);
    QCOMPARE(Control.TabInactiveFont().Font.pointSizeF(), 12.0);
    QCOMPARE(FirstTabSize(Control), QSize(168, 33));
  }

  void UpdatesNestAndRedrawAtTheEnd() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Two"});
    int Drawn = 0;
    Control.OnDrawTab = [&](TExtPageControl*, int, bool, const QRect&, const QRect&,
                            TOwnerDrawState) { ++Drawn; };
    Control.BeginUpdate();
    Control.BeginUpdate();
    Control.grab();
    Control.EndUpdate();
    Control.grab();
    QCOMPARE(Drawn, 0);
    QVERIFY(Control.IsUpdating());
    Control.EndUpdate();
    Control.EndUpdate();
    QVERIFY(!Control.IsUpdating());
    Control.grab();
    QCOMPARE(Drawn, 2);
  }

  void CommonControlsThreshold() {
    QVERIFY(CommonControlsTooOld(0x00040000));
    QVERIFY(CommonControlsTooOld(0x00040030));
    QVERIFY(!CommonControlsTooOld(0x00040031));
    QVERIFY(!CommonControlsTooOld(0x00040046));
    QVERIFY(!CommonControlsTooOld(0x00050050));
    QVERIFY(CommonControlsMessage("C:\\SYS\\ComCtl32.DLL")
                .startsWith("Windows library Common Controls (file C:\\SYS\\ComCtl32.DLL) is to "
                            "old. To choose left"));
#ifndef Q_OS_WIN
    QVERIFY(!CheckCommonControlsVersion());
    QVERIFY(!CommonControlsUpdateRecommended());
#endif
  }
};

int RunExtPageRulesTests(int Argc, char** Argv) {
  TExtPageRulesTest Test;
  return QTest::qExec(&Test, Argc, Argv);
}

#include "extpagecontrol_test_rules.moc"
