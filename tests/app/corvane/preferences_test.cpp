// Edit > Preferences in the main window: a fresh dialog each time, owned by
// the window, whose OK reconfigures the source editor and whose F1 reaches
// the window's help.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "app/corvane/mainform.h"
#include "editor/ledit.h"
#include "editor/optionsdialogs.h"
#include "editor/optionsform.h"
#include "editor/settingsstore.h"
#include "windowtest.h"

class PreferencesTest : public QObject {
  Q_OBJECT

  TTestStore Store;

  // Runs Edit > Preferences; Act works on the dialog while it is up.
  template <class TAct>
  QPointer<TOptionsForm> Run(TMainForm& Form, TAct Act) {
    QPointer<TOptionsForm> Shown;
    QTimer::singleShot(0, &Form, [&Shown, Act] {
      Shown = qobject_cast<TOptionsForm*>(QApplication::activeModalWidget());
      if (Shown) Act(*Shown);
      if (Shown && Shown->isVisible()) Shown->reject();
    });
    Form.Action("Options1")->trigger();
    return Shown;
  }

 private slots:
  void cleanup() {
    TOptionsDialogs::OnFont = nullptr;
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane")
        .clear();
  }

  void opensAFreshDialogOwnedByTheWindow() {
    TMainForm Form;
    Form.show();
    QList<int> Help;
    Form.OnHelpContext = [&Help](int Context) { Help << Context; };
    const TOptionsForm* First = nullptr;
    bool OwnedByWindow = false;
    const QPointer<TOptionsForm> Shown = Run(Form, [&](TOptionsForm& Dialog) {
      First = &Dialog;
      OwnedByWindow = Dialog.parentWidget() == &Form && Dialog.isModal();
      Dialog.btnFont->setFocus();
      QTest::keyClick(Dialog.btnFont, Qt::Key_F1);
      Dialog.cbAutoIndent->setChecked(true);
      Dialog.btnCancel->click();
    });
    QVERIFY(First && OwnedByWindow);
    QVERIFY(!Shown);  // gone once closed
    QCOMPARE(Help, QList<int>{hcDefaultFont});
    bool Fresh = false;
    Run(Form, [&Fresh](TOptionsForm& Dialog) { Fresh = !Dialog.cbAutoIndent->isChecked(); });
    QVERIFY(Fresh);
  }

  void okReconfiguresTheSourceEditor() {
    TMainForm Form;
    Form.show();
    TOptionsDialogs::OnFont = [](const QFont&) {
      return std::optional<QFont>(QFont("DejaVu Sans Mono", 13));
    };
    Run(Form, [](TOptionsForm& Dialog) {
      Dialog.btnFont->click();
      Dialog.edTabStopSize->setText("6");
      Dialog.btnOK->click();
    });
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "Font", ""),
             QString("DejaVu Sans Mono"));
    QCOMPARE(Form.LEdit1->Font().pointSize(), 13);
    QCOMPARE(int(Form.LEdit1->TabStopSize()), 6);
    QVERIFY(!Form.LEdit1->AutoIndent());  // the box was left unchecked
  }
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
