// What assistive technology learns of a tab strip, ours or any other: one
// page tab per page, a hidden page's tab invisible and out of reach, pressing
// a tab selecting its page (in our page control by the rules of
// SetActivePage).
#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>
#include <map>

#include "widgets/extpagecontrol.h"
#include "widgets/extpagetabbar.h"

namespace {

QString WithoutMnemonic(QString Text) {
  Text.replace(QLatin1String("&&"), QChar(0x1));
  Text.remove(QLatin1Char('&'));
  return Text.replace(QChar(0x1), QLatin1Char('&'));
}

class TTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TTabAccessible(QTabBar* Bar, int Index) : FBar(Bar), FIndex(Index) {}

  bool isValid() const override { return FBar && FIndex < FBar->count(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(FBar.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text Kind) const override {
    if (!isValid() || Kind != QAccessible::Name) return {};
    return WithoutMnemonic(FBar->tabText(FIndex));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!Shown()) return {};
    const QRect Rect = FBar->tabRect(FIndex);
    return QRect(FBar->mapToGlobal(Rect.topLeft()), Rect.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State State;
    if (!isValid()) return State;
    State.invisible = State.offscreen = !Shown();
    State.disabled = !FBar->isTabEnabled(FIndex);
    State.selectable = !State.invisible;
    State.selected = FIndex == FBar->currentIndex();
    return State;
  }
  void* interface_cast(QAccessible::InterfaceType Type) override {
    return Type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override {
    return Shown() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& Name) override {
    if (Name != pressAction() || !Shown()) return;
    auto* Control = qobject_cast<TExtPageControl*>(FBar->parentWidget());
    if (Control)
      Control->SetActivePage(Control->widget(FIndex));
    else
      FBar->setCurrentIndex(FIndex);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  bool Shown() const { return isValid() && FBar->isTabVisible(FIndex); }

  QPointer<QTabBar> FBar;
  int FIndex;
};

// The tabs come first, by page index, then the strip's scroll buttons.
class TTabBarAccessible : public QAccessibleWidget {
 public:
  explicit TTabBarAccessible(QTabBar* Bar) : QAccessibleWidget(Bar, QAccessible::PageTabList) {}
  ~TTabBarAccessible() override {
    for (const auto& [Index, Id] : FTabs)
      QAccessible::deleteAccessibleInterface(Id);
  }

  int childCount() const override { return Bar()->count() + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int Index) const override {
    if (Index < 0) return nullptr;
    if (Index >= Bar()->count()) return QAccessibleWidget::child(Index - Bar()->count());
    if (const auto Found = FTabs.find(Index); Found != FTabs.end())
      return QAccessible::accessibleInterface(Found->second);
    auto* Tab = new TTabAccessible(Bar(), Index);
    FTabs[Index] = QAccessible::registerAccessibleInterface(Tab);
    return Tab;
  }
  int indexOfChild(const QAccessibleInterface* Child) const override {
    for (const auto& [Index, Id] : FTabs)
      if (QAccessible::accessibleInterface(Id) == Child) return Index;
    const int Other = QAccessibleWidget::indexOfChild(Child);
    return Other < 0 ? -1 : Bar()->count() + Other;
  }
  QString text(QAccessible::Text Kind) const override {
    if (Kind == QAccessible::Name && Bar()->currentIndex() >= 0)
      return WithoutMnemonic(Bar()->tabText(Bar()->currentIndex()));
    return QAccessibleWidget::text(Kind);
  }

 private:
  QTabBar* Bar() const { return static_cast<QTabBar*>(widget()); }

  mutable std::map<int, QAccessible::Id> FTabs;
};

QAccessibleInterface* TabBarAccessible(const QString&, QObject* Object) {
  auto* Bar = qobject_cast<QTabBar*>(Object);
  return Bar ? new TTabBarAccessible(Bar) : nullptr;
}

}  // namespace

void InstallTabBarAccessibility() {
  static const bool Installed = [] {
    QAccessible::installFactory(TabBarAccessible);
    return true;
  }();
  (void)Installed;
}
