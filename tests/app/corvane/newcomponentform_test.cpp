// The New JavaScript Component dialog as designed, and how it answers.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/corvane/newcomponentform.h"
#include "windowtest.h"

class NewComponentFormTest : public QObject {
  Q_OBJECT

  // Shows the dialog, lets Act do something once it is up, and returns its answer.
  template <class TAct>
  std::optional<QString> Run(TAct Act) {
    TWatchedServices Services(nullptr);
    Services.OnRun = [Act](QDialog& Shown) {
      auto& Dialog = static_cast<TfrmNewComponent&>(Shown);
      QTimer::singleShot(0, &Dialog, [&Dialog, Act] {
        Act(Dialog);
        if (Dialog.isVisible()) QTimer::singleShot(0, &Dialog, [&Dialog] { Dialog.reject(); });
      });
    };
    return Services.AskComponentName();
  }

 private slots:
  void asDesigned() {
    TfrmNewComponent Dialog;
    QCOMPARE(Dialog.windowTitle(), QString("New JavaScript Component"));
    QCOMPARE(Dialog.size(), QSize(315, 97));
    QVERIFY(Dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(Dialog.fldName->geometry().topLeft(), QPoint(51, 12));
    QCOMPARE(Dialog.btnOk->geometry(), QRect(149, 66, 77, 23));
    QCOMPARE(Dialog.btnCancel->geometry(), QRect(231, 66, 77, 23));
    QVERIFY(Dialog.btnOk->isDefault());
    QCOMPARE(Dialog.Label1->text(), QString("&Name:"));
    QCOMPARE(Dialog.Label1->buddy(), Dialog.fldName);
    QCOMPARE(Dialog.Label2->text(), QString("(e.g., netscape.sample.SimpleMailToLink)"));
    QCOMPARE(Dialog.fldName->nextInFocusChain(), Dialog.btnOk);
    QCOMPARE(Dialog.btnOk->nextInFocusChain(), Dialog.btnCancel);
  }

  void answers() {
    QCOMPARE(Run([](TfrmNewComponent& D) {
               D.fldName->setText("  a.b ");
               D.btnOk->click();
             }),
             std::optional<QString>("  a.b "));
    QCOMPARE(Run([](TfrmNewComponent& D) {  // Enter in the field is OK
               D.fldName->setText("x");
               QTest::keyClick(D.fldName, Qt::Key_Return);
             }),
             std::optional<QString>("x"));
    QCOMPARE(Run([](TfrmNewComponent& D) { D.btnCancel->click(); }), std::nullopt);
    QCOMPARE(Run([](TfrmNewComponent& D) { D.close(); }), std::nullopt);  // the close box
    bool StillOpen = false;
    Run([&StillOpen](TfrmNewComponent& D) {
      QTest::keyClick(D.fldName, Qt::Key_Escape);
      StillOpen = D.isVisible();  // Escape is not bound to Cancel
    });
    QVERIFY(StillOpen);
  }
};

QTEST_MAIN(NewComponentFormTest)
#include "newcomponentform_test.moc"
