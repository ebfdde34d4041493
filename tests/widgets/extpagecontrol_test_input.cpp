// What clicks, accelerators and the mouse do: disabled pages stay out of
// reach, the change check is asked, and hints go by page index.
#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolTip>

#include "tests/widgets/extpagecontrol_test_support.h"
#include "widgets/extpagecontrol.h"

namespace {

void ClickTab(TExtPageControl& Control, int Page) {
  QTest::mouseClick(Control.tabBar(), Qt::LeftButton, {}, Control.tabBar()->tabRect(Page).center());
}

}  // namespace

class TExtPageInputTest : public QObject {
  Q_OBJECT

 private slots:
  // Ctrl+Tab and Ctrl+Shift+Tab step round the pages that can be shown, over
  // a hidden tab and a disabled page. A screen reader learns of the tabs
  // shown, the current one selected; the hidden one cannot be pressed.
  void HiddenTabsAreOutOfReach() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Hidden", "Two", "Off", "Three"});
    Control.setTabVisible(1, false);
    Control.widget(3)->setEnabled(false);
    Window.show();
    QList<int> Pages;
    for (bool Back : {false, false, false, true, true}) {
      QTest::keyClick(Control.currentWidget(), Back ? Qt::Key_Backtab : Qt::Key_Tab,
                      Back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
      Pages << Control.currentIndex();
    }
    QCOMPARE(Pages, (QList<int>{2, 4, 0, 4, 2}));
    QAccessibleInterface* Bar = QAccessible::queryAccessibleInterface(Control.tabBar());
    QStringList Shown;
    for (int I = 0; I < Bar->childCount(); ++I)
      if (const QAccessibleInterface* Tab = Bar->child(I); !Tab->state().invisible)
        Shown << Tab->text(QAccessible::Name) + (Tab->state().selected ? "*" : "");
    QCOMPARE(Shown, (QStringList{"One", "Two*", "Off", "Three"}));
    Bar->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Control.currentIndex(), 2);
  }

  void DisabledPagesCannotBeSelected() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Two", "Three"});
    Control.setTabEnabled(1, false);
    Control.widget(2)->setEnabled(false);
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    QSignalSpy Changed(&Control, &QTabWidget::currentChanged);
    ClickTab(Control, 1);
    ClickTab(Control, 2);
    Control.SetActivePage(Control.widget(1));
    Control.SetActivePage(Control.widget(2));
    QCOMPARE(Control.currentIndex(), 0);
    QCOMPARE(Changed.count(), 0);
    Control.widget(2)->setEnabled(true);
    ClickTab(Control, 2);
    QCOMPARE(Control.ActivePage(), Control.widget(2));
    QCOMPARE(Changed.count(), 1);
    Control.SetActivePage(Control.widget(2));
    QCOMPARE(Changed.count(), 1);
  }

  void ChangeCheckCanRefuse() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"One", "Two"});
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    bool Allow = false;
    int Asked = 0;
    Control.OnChanging = [&](TExtPageControl*, bool& AllowChange) {
      ++Asked;
      AllowChange = Allow;
    };
    ClickTab(Control, 1);
    Control.SetActivePage(Control.widget(1));
    QCOMPARE(Control.currentIndex(), 0);
    QCOMPARE(Asked, 2);
    Allow = true;
    ClickTab(Control, 1);
    QCOMPARE(Control.currentIndex(), 1);
  }

  void AcceleratorsSelectThroughTheRules() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"&Alpha", "&Beta", "&Gamma", "&Delta"});
    Control.setTabEnabled(2, false);
    Control.setTabVisible(3, false);
    Window.show();
    Window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    QTest::keyClick(&Window, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(Control.currentIndex(), 1);
    QTest::keyClick(&Window, Qt::Key_G, Qt::AltModifier);
    QTest::keyClick(&Window, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(Control.currentIndex(), 1);
    QTest::keyClick(&Window, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(Control.currentIndex(), 0);
  }

  void HintsGoByPageIndex() {
    QWidget Window;
    TExtPageControl& Control = *AddControl(Window, {"Hidden", "One", "Two"});
    Control.setTabVisible(0, false);
    Control.SetTabHints({"hidden hint", "first hint"});
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    QTabBar* Bar = Control.tabBar();
    const auto HoverTab = [&](int Page) {
      const QPoint At = Bar->tabRect(Page).center();
      QHelpEvent Help(QEvent::ToolTip, At, Bar->mapToGlobal(At));
      QApplication::sendEvent(Bar, &Help);
    };
    HoverTab(1);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString("first hint"));
    HoverTab(2);
    QTRY_VERIFY(!QToolTip::isVisible());
  }
};

int RunExtPageInputTests(int Argc, char** Argv) {
  TExtPageInputTest Test;
  return QTest::qExec(&Test, Argc, Argv);
}

#include "extpagecontrol_test_input.moc"
