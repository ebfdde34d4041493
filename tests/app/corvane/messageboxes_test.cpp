// The window's message boxes as the desktop services show them.
#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

#include "windowtest.h"

class MessageBoxesTest : public QObject {
  Q_OBJECT

  TWatchedServices Services{nullptr};
  QString Seen;  // title|icon|text|buttons of the last box shown

  // Records the box, then presses Press ("" = the close box) once it is up.
  void AnswerWith(const QString& Press) {
    Services.OnRun = [this, Press](QDialog& Dialog) {
      auto& Box = static_cast<QMessageBox&>(Dialog);
      QStringList Texts;
      for (QAbstractButton* B : Box.buttons())
        Texts << B->text();
      Texts.sort();
      Seen = QString("%1|%2|%3|%4")
                 .arg(Box.windowTitle())
                 .arg(int(Box.icon()))
                 .arg(Box.text(), Texts.join(","));
      QMetaObject::invokeMethod(
          &Box,
          [&Box, Press] {
            if (Press.isEmpty()) return Box.reject();  // what the close box does
            for (QAbstractButton* B : Box.buttons())
              if (B->text() == Press) B->click();
          },
          Qt::QueuedConnection);
    };
  }

 private slots:
  // The error box is the one for files that fail and for the Preferences
  // dialog's values alike.
  void noticesAndErrors() {
    AnswerWith("OK");
    Services.Info(QString::fromUtf8("caf\xc3\xa9.jsb is not valid"));
    QCOMPARE(Seen, QString::fromUtf8("Information|1|caf\xc3\xa9.jsb is not valid|OK"));
    Services.Error("Cannot open file a.jsb");
    QCOMPARE(Seen, QString("Corvane|3|Cannot open file a.jsb|OK"));
  }

  void confirmationAnswers_data() {
    QTest::addColumn<QString>("Press");
    QTest::addColumn<int>("Answer");
    QTest::newRow("yes") << "&Yes" << 6;
    QTest::newRow("no") << "&No" << 7;
    QTest::newRow("cancel") << "Cancel" << 2;
    QTest::newRow("close box") << "" << 2;
  }

  void confirmationAnswers() {
    QFETCH(QString, Press);
    QFETCH(int, Answer);
    AnswerWith(Press);
    QCOMPARE(int(Services.Confirm("Save changes to a.jsb?")), Answer);
    QCOMPARE(Seen, QString("Confirm|4|Save changes to a.jsb?|&No,&Yes,Cancel"));
  }

  // The recovery offer shows Recover and Discard (Escape keeps the copy);
  // the reload question Yes and No (closing it answers No).
  void offerAndYesNoAnswers_data() {
    QTest::addColumn<QString>("Press");
    QTest::addColumn<int>("Offer");
    QTest::addColumn<bool>("Yes");
    QTest::newRow("recover, yes") << "Recover|&Yes" << int(TRecoveryAnswer::Recover) << true;
    QTest::newRow("discard, no") << "Discard|&No" << int(TRecoveryAnswer::Discard) << false;
    QTest::newRow("close boxes") << "|" << int(TRecoveryAnswer::Keep) << false;
  }
  void offerAndYesNoAnswers() {
    QFETCH(QString, Press);
    QFETCH(int, Offer);
    QFETCH(bool, Yes);
    AnswerWith(Press.section('|', 0, 0));
    QCOMPARE(int(Services.AskRecovery("Corvane found unsaved changes")), Offer);
    QCOMPARE(Seen, QString("Corvane|2|Corvane found unsaved changes|Discard,Keep,Recover"));
    AnswerWith(Press.section('|', 1, 1));
    QCOMPARE(Services.AskYesNo("Reload it?"), Yes);
    QCOMPARE(Seen, QString("Corvane|4|Reload it?|&No,&Yes"));
  }

  // The model's notices and questions reach the window's services once the
  // window is the message handler.
  void theWindowCarriesTheModelsMessages() {
    TTestStore Store;
    TMainForm Form;
    auto Watched = std::make_unique<TWatchedServices>(&Form);
    QStringList Titles;
    Watched->OnRun = [&Titles](QDialog& Dialog) {
      Titles << Dialog.windowTitle();
      QMetaObject::invokeMethod(&Dialog, &QDialog::reject, Qt::QueuedConnection);
    };
    Form.SetServices(std::move(Watched));
    TScopedMessageHandler Scope(&Form);
    InfoMessage("a notice");
    QCOMPARE(int(ConfirmMessage("a question")), 2);
    QCOMPARE(Titles, (QStringList{"Information", "Confirm"}));
  }
};

QTEST_MAIN(MessageBoxesTest)
#include "messageboxes_test.moc"
