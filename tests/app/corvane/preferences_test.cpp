// Edit > Preferences: a fresh dialog each time, owned by the window, whose OK
// reconfigures the source editor and whose F1 reaches the window's help.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/corvane/helpdocument.h"
#include "app/corvane/mainform.h"
#include "editor/ledit.h"
#include "editor/optionsform.h"
#include "windowtest.h"

class PreferencesTest : public QObject {
  Q_OBJECT

  TTestStore Store;

  // Runs Edit > Preferences with Act working on the dialog while it is up;
  // false when no dialog owned by the window came up or it outlived the command.
  template <class TAct>
  bool Run(TMainForm& Form, TAct Act) {
    QPointer<TOptionsForm> Shown;
    bool Owned = false;
    QTimer::singleShot(0, &Form, [&Shown, &Owned, &Form, Act] {
      Shown = qobject_cast<TOptionsForm*>(QApplication::activeModalWidget());
      Owned = Shown && Shown->parentWidget() == &Form;
      if (Owned) Act(*Shown);
      if (Shown && Shown->isVisible()) Shown->reject();
    });
    Peek(Form).Action("Options1")->trigger();
    return Owned && Shown.isNull();
  }

 private slots:
  void aFreshDialogEachTime() {
    TMainForm Form;
    TScript Script;
    Script.Serve(Form);
    Form.show();
    Script.Fonts = {QFont("DejaVu Sans Mono", 13)};
    QVERIFY(Run(Form, [](TOptionsForm& Dialog) {
      Dialog.btnFont->setFocus();
      QTest::keyClick(Dialog.btnFont, Qt::Key_F1);
      Dialog.cbAutoIndent->setChecked(true);
      Dialog.btnCancel->click();
    }));
    const QList<QUrl> Help = Script.Launches;
    QCOMPARE(Help.size(), 1);  // the help document at the font's section
    QCOMPARE(Help[0].fragment(), QString("context-%1").arg(hcDefaultFont));
    QCOMPARE(Help[0].toLocalFile(), HelpDocumentPath());
    QVERIFY(Run(Form, [](TOptionsForm& Dialog) {
      Dialog.btnFont->click();
      Dialog.btnOK->click();
    }));
    QCOMPARE(Form.LEdit1->Font().pointSize(), 13);  // reconfigured
    QVERIFY(!Form.LEdit1->AutoIndent());            // a fresh dialog: the cancelled check is gone
    QVERIFY(Script.Fonts.empty());
  }

  // A value that is not a number is reported in the window's one error box.
  void badValuesReachTheWindowsErrorBox() {
    TMainForm Form;
    TScript Script;
    Script.Serve(Form);
    QVERIFY(Run(Form, [](TOptionsForm& Dialog) {
      Dialog.edUndo->setText("many");
      Dialog.btnOK->click();
    }));
    QCOMPARE(Script.Log, QStringList{"error:'many' is not a valid integer value"});
  }
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
