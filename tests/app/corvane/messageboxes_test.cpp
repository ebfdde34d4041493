// The notices and questions as message boxes, answered through the seam.
#include <QAbstractButton>
#include <QtTest>

#include "app/corvane/messageboxes.h"

class MessageBoxesTest : public QObject {
  Q_OBJECT

  TMessageBoxHandler Handler;

  QStringList Buttons(const QMessageBox& Box) {
    QStringList Texts;
    for (QAbstractButton* B : Box.buttons())
      Texts << B->text();
    return Texts;
  }

 private slots:
  void cleanup() { TMessageBoxHandler::OnShow = nullptr; }

  void informationBox() {
    QString Seen;
    TMessageBoxHandler::OnShow = [&](QMessageBox& Box) {
      QMetaObject::invokeMethod(
          &Box, [&Box] { Box.buttons().first()->click(); }, Qt::QueuedConnection);
      Seen = Box.windowTitle() + "|" + Box.text() + "|" + Buttons(Box).join(",");
      QCOMPARE(Box.icon(), QMessageBox::Information);
    };
    TScopedMessageHandler Scope(&Handler);
    InfoMessage("caf\xc3\xa9.jsb is not valid");
    QCOMPARE(Seen, QString::fromUtf8("Information|caf\xc3\xa9.jsb is not valid|OK"));
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
    QString Seen;
    TMessageBoxHandler::OnShow = [&](QMessageBox& Box) {
      // Answer first, so that a failed check cannot leave the box waiting.
      QMetaObject::invokeMethod(
          &Box,
          [&Box, Press] {
            if (Press.isEmpty()) {
              Box.reject();  // what the close box does
              return;
            }
            for (QAbstractButton* B : Box.buttons())
              if (B->text() == Press) B->click();
          },
          Qt::QueuedConnection);
      QStringList Texts = Buttons(Box);
      Texts.sort();
      Seen = Box.windowTitle() + "|" + Texts.join(",");
      QCOMPARE(Box.icon(), QMessageBox::Question);
    };
    TScopedMessageHandler Scope(&Handler);
    QCOMPARE(int(ConfirmMessage("Save changes to a.jsb?")), Answer);
    QCOMPARE(Seen, QString("Confirm|&No,&Yes,Cancel"));
  }
};

QTEST_MAIN(MessageBoxesTest)
#include "messageboxes_test.moc"
