// File names keep every byte in the window's text, and show U+FFFD for those
// that are not UTF-8.
#include <QtTest>

#include "beans/uitext.h"

class UiTextTest : public QObject {
  Q_OBJECT

 private slots:
  void fileNamesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Shown");
    const auto Row = [](const char* Name, const char* Bytes, QStringView Text, QStringView Shown) {
      QTest::newRow(Name) << QByteArray(Bytes) << Text.toString() << Shown.toString();
    };
    // U+1F080 is the pair D83C DC80, whose second half stands for no byte.
    Row("UTF-8", "caf\xc3\xa9 \xf0\x9f\x82\x80", u"caf\u00e9 \U0001F080", u"caf\u00e9 \U0001F080");
    Row("lone FF", "\xff", u"\xDCFF", u"\uFFFD");
    Row("mixed", "a\xc3\xa9\xff\xfe.jsb", u"a\u00e9\xDCFF\xDCFE.jsb", u"a\u00e9\uFFFD\uFFFD.jsb");
    Row("overlong", "\xc0\xaf", u"\xDCC0\xDCAF", u"\uFFFD\uFFFD");
    Row("CESU surrogate", "\xed\xa0\x80", u"\xDCED\xDCA0\xDC80", u"\uFFFD\uFFFD\uFFFD");
  }
  void fileNamesKeepTheirBytes() {
    QFETCH(QByteArray, Bytes);
    QFETCH(QString, Text);
    QFETCH(QString, Shown);
    QCOMPARE(FileNameText(Bytes.toStdString()), Text);
    QCOMPARE(QByteArray::fromStdString(FileNameBytes(Text)), Bytes);
    QCOMPARE(ShownText(Text), Shown);
  }
};

QTEST_APPLESS_MAIN(UiTextTest)
#include "uitext_test.moc"
