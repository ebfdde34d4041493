// The shipped catalogue holds a finished translation of every text the
// sources mark, keeps each text's arguments and mnemonic, and is the one the
// program installs for a German locale, with the toolkit's of that language.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/corvane/translations.h"

namespace {

struct TMessage {
  QString Context, Source, Translation;
  bool Finished = false;
};

QList<TMessage> ReadCatalogue(const QString& Path) {
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader Xml(&File);
  QList<TMessage> Messages;
  QString Context;
  while (!Xml.atEnd()) {
    if (Xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (Xml.name() == u"name") {
      Context = Xml.readElementText();
    } else if (Xml.name() == u"message") {
      Messages.append({Context, {}, {}, false});
    } else if (Xml.name() == u"source") {
      Messages.last().Source = Xml.readElementText();
    } else if (Xml.name() == u"translation") {
      Messages.last().Finished = Xml.attributes().value("type").isEmpty();
      Messages.last().Translation = Xml.readElementText();
    }
  }
  return Messages;
}

QString Key(const TMessage& M) {
  return M.Context + " | " + M.Source;
}

// The arguments (%1, %2, %s) in order, and how many mnemonics (a lone &).
QString Marks(const QString& Text) {
  static const QRegularExpression Argument("%(\\d+|s)");
  QStringList Found;
  for (const QRegularExpressionMatch& Match : Argument.globalMatch(Text))
    Found << Match.captured();
  Found.sort();
  return Found.join(' ') + " &" + QString::number(QString(Text).remove("&&").count('&'));
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  // lupdate over today's sources finds exactly the texts the catalogue
  // translates: none new or changed, none left over.
  void catalogueMatchesSources() {
    QTemporaryDir Work;
    const QString Fresh = Work.filePath("fresh.ts");
    QStringList Args{"-silent", "-locations", "none", "-extensions", "cpp,h"};
    Args << "-I" << CORVANE_SOURCE_ROOT << QString(CORVANE_TR_SOURCES).split('|') << "-ts" << Fresh;
    QCOMPARE(QProcess::execute(CORVANE_LUPDATE, Args), 0);
    QSet<QString> Wanted, Translated;
    for (const TMessage& M : ReadCatalogue(Fresh))
      Wanted << Key(M);
    for (const TMessage& M : ReadCatalogue(CORVANE_TS_DE))
      if (M.Finished) Translated << Key(M);
    QVERIFY(!Wanted.isEmpty());
    const QStringList Untranslated = (Wanted - Translated).values();
    const QStringList Stale = (Translated - Wanted).values();
    QVERIFY2(Untranslated.isEmpty(), qPrintable("untranslated: " + Untranslated.join("; ")));
    QVERIFY2(Stale.isEmpty(), qPrintable("no longer in the sources: " + Stale.join("; ")));
  }

  void translationsKeepMarks_data() {
    QTest::addColumn<QString>("Source");
    QTest::addColumn<QString>("Translation");
    for (const TMessage& M : ReadCatalogue(CORVANE_TS_DE))
      QTest::newRow(qPrintable(Key(M))) << M.Source << M.Translation;
  }
  void translationsKeepMarks() {
    QFETCH(QString, Source);
    QFETCH(QString, Translation);
    QCOMPARE(Marks(Translation), Marks(Source));
  }

  // Only a language the program has a catalogue for brings the toolkit's.
  void installsCatalogueForLocale_data() {
    QTest::addColumn<QString>("Locale");
    QTest::addColumn<QString>("File");
    QTest::addColumn<QString>("Cancel");
    QTest::newRow("German") << "de_DE"
                            << "&Datei"
                            << "Abbrechen";
    QTest::newRow("Austrian") << "de_AT"
                              << "&Datei"
                              << "Abbrechen";
    QTest::newRow("C") << "C"
                       << "&File"
                       << "Cancel";
    QTest::newRow("English") << "en_US"
                             << "&File"
                             << "Cancel";
    QTest::newRow("French") << "fr_FR"
                            << "&File"
                            << "Cancel";
  }
  void installsCatalogueForLocale() {
    QFETCH(QString, Locale);
    QFETCH(QString, File);
    QFETCH(QString, Cancel);
    InstallTranslations(*QCoreApplication::instance(), QLocale(Locale));
    QCOMPARE(QCoreApplication::translate("TMainForm", "&File"), File);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), Cancel);
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
  }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "translations_test.moc"
