#include "widgets/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "widgets/colorbutton.h"

QString SpokenCaption(QString Caption) {
  Caption.replace(QLatin1String("&&"), QChar(0x1));
  Caption.remove(QLatin1Char('&'));
  Caption.replace(QChar(0x1), QLatin1Char('&'));
  Caption = Caption.trimmed();
  if (Caption.endsWith(QLatin1Char(':'))) Caption.chop(1);
  return Caption;
}

void NameControl(QWidget* Control, const QString& Caption, const QString& Hint) {
  Control->setAccessibleName(SpokenCaption(Caption));
  if (!Hint.trimmed().isEmpty()) Control->setAccessibleDescription(Hint.trimmed());
  // An editable combo's text field is what takes the focus.
  if (auto* Combo = qobject_cast<QComboBox*>(Control); Combo && Combo->lineEdit())
    Combo->lineEdit()->setAccessibleName(Control->accessibleName());
}

namespace {

// Qt names a combo box by its current text on this platform and leaves the
// label to a relation; a screen reader that reads the name alone then says
// "client" where the form says "Environment". The name is the widget's own
// or its label's, the value its text.
class TComboAccessible : public QAccessibleWidget {
 public:
  explicit TComboAccessible(QComboBox* Combo) : QAccessibleWidget(Combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text Kind) const override {
    if (Kind == QAccessible::Value) return Combo()->currentText();
    QString Text = QAccessibleWidget::text(Kind);
    return Kind == QAccessible::Name ? SpokenCaption(Text) : Text;
  }
  QAccessible::State state() const override {
    QAccessible::State State = QAccessibleWidget::state();
    State.editable = Combo()->isEditable();
    State.expandable = true;
    State.expanded = Combo()->view()->isVisible();
    return State;
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << showMenuAction();
  }
  void doAction(const QString& Name) override {
    if (Name == showMenuAction())
      Combo()->showPopup();
    else
      QAccessibleWidget::doAction(Name);
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// A colour button paints itself; it is read as the button it is.
class TColorButtonAccessible : public QAccessibleWidget {
 public:
  explicit TColorButtonAccessible(TColorButton* Button)
      : QAccessibleWidget(Button, QAccessible::Button) {}

  // Named by the caption it shows where it has one: Qt would name it by its
  // group's title, the same for every button in the group.
  QString text(QAccessible::Text Kind) const override {
    if (Kind == QAccessible::Name && Button()->accessibleName().isEmpty() &&
        !Button()->Caption().isEmpty())
      return SpokenCaption(Button()->Caption());
    return QAccessibleWidget::text(Kind);
  }
  QAccessible::State state() const override {
    QAccessible::State State = QAccessibleWidget::state();
    State.pressed = Button()->State() == TColorButton::bsDown;
    return State;
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << pressAction();
  }
  void doAction(const QString& Name) override {
    if (Name == pressAction() && Button()->isEnabled())
      emit Button()->OnClick();
    else
      QAccessibleWidget::doAction(Name);
  }

 private:
  TColorButton* Button() const { return static_cast<TColorButton*>(widget()); }
};

// A tab widget hands its focus to its tab bar, which is what is heard; the
// frame around the pages must not claim to take the focus as well, or a
// screen reader finds a focusable control without a name.
class TTabWidgetAccessible : public QAccessibleWidget {
 public:
  explicit TTabWidgetAccessible(QTabWidget* Tabs) : QAccessibleWidget(Tabs) {}

  QAccessible::State state() const override {
    QAccessible::State State = QAccessibleWidget::state();
    if (widget()->focusProxy()) {
      State.focusable = false;
      State.focused = false;
    }
    return State;
  }
};

QAccessibleInterface* ControlAccessible(const QString&, QObject* Object) {
  if (auto* Button = qobject_cast<TColorButton*>(Object)) return new TColorButtonAccessible(Button);
  if (auto* Combo = qobject_cast<QComboBox*>(Object)) return new TComboAccessible(Combo);
  if (auto* Tabs = qobject_cast<QTabWidget*>(Object)) return new TTabWidgetAccessible(Tabs);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool Installed = [] {
    QAccessible::installFactory(ControlAccessible);
    return true;
  }();
  (void)Installed;
}
