// Typed settings in a store redirected to a temporary folder.
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/settingsstore.h"

class SettingsStoreTest : public QObject {
  Q_OBJECT

  QTemporaryDir Store;

  QSettings Raw(QSettings::Scope Scope) {
    return QSettings(QSettings::NativeFormat, Scope, "Brantwick Software", "Corvane");
  }

 private slots:
  void initTestCase() {
    for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(Format, QSettings::UserScope, Store.path() + "/user");
      QSettings::setPath(Format, QSettings::SystemScope, Store.path() + "/system");
    }
  }

  void cleanup() {
    Raw(QSettings::UserScope).clear();
    Raw(QSettings::SystemScope).clear();
  }

  void missingValuesGiveTheDefaultAndCreateNothing() {
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "TabStopSize", 3), 3);
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "Font", "Courier"), QString("Courier"));
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "Flag", true), true);
    QVERIFY(Raw(QSettings::UserScope).allKeys().isEmpty());
    QVERIFY(!QFile::exists(Raw(QSettings::UserScope).fileName()));
  }

  void everyKindComesBackAsWritten() {
    const QString Key = EditorSettingsKey;
    WriteSetting(srCurrentUser, Key, "Int", -42);
    WriteSetting(srCurrentUser, Key, "Double", 2.5);
    WriteSetting(srCurrentUser, Key, "Bool", true);
    WriteSetting(srCurrentUser, Key, "Text", QString::fromUtf8("Caf\xc3\xa9 Mono"));
    WriteSetting(srCurrentUser, Key, "Money", TCurrency{123456});
    const QDateTime When(QDate(2026, 12, 8), QTime(10, 30, 15, 250), Qt::UTC);
    WriteSetting(srCurrentUser, Key, "When", When);
    QCOMPARE(ReadSetting(srCurrentUser, Key, "Int", 0), -42);
    QCOMPARE(ReadSetting(srCurrentUser, Key, "Double", 0.0), 2.5);
    QCOMPARE(ReadSetting(srCurrentUser, Key, "Bool", false), true);
    QCOMPARE(ReadSetting(srCurrentUser, Key, "Text", ""), QString::fromUtf8("Caf\xc3\xa9 Mono"));
    QCOMPARE(ReadSetting(srCurrentUser, Key, "Money", TCurrency{}).TenThousandths, 123456);
    QCOMPARE(ReadSetting(srCurrentUser, Key, "When", QDateTime()), When);
    // Stored in the program's own group, as the registry key names it.
    QCOMPARE(Raw(QSettings::UserScope).value("Settings/Editor/Int").toInt(), -42);
  }

  void rootsAreSeparate() {
    WriteSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir", "/opt/corvane");
    QCOMPARE(ReadSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir", ""),
             QString("/opt/corvane"));
    QCOMPARE(ReadSetting(srCurrentUser, GeneralSettingsKey, "ProgramDir", ""), QString());
    // An unknown root is the per-user one.
    WriteSetting(static_cast<TSettingsRoot>(7), EditorSettingsKey, "UndoLimit", 5);
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "UndoLimit", 900), 5);
  }

  void valuesOfAnotherKindGiveTheDefault() {
    WriteSetting(srCurrentUser, EditorSettingsKey, "FontSize", "large");
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "FontSize", 9), 9);
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "FontSize", 1.5), 1.5);
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "FontSize", false), false);
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "FontSize", QDateTime()), QDateTime());
    WriteSetting(srCurrentUser, EditorSettingsKey, "TabStopSize", "12");
    QCOMPARE(ReadSetting(srCurrentUser, EditorSettingsKey, "TabStopSize", 3), 12);
  }
};

QTEST_MAIN(SettingsStoreTest)
#include "settingsstore_test.moc"
