// What an installed tree tells the program and the desktop: the settings file
// read through the settings store points at the help document, the program's
// folder leads to it too, and the MIME type knows JSB files by name and by
// content. install_test.sh runs it with
// CORVANE_INSTALL_ROOT, CORVANE_INSTALL_PREFIX and CORVANE_SETTINGS_DIR set.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMimeDatabase>
#include <QSettings>

#include "app/corvane/helpdocument.h"
#include "editor/settingsstore.h"

namespace {

QString Env(const char* Name) {
  return qEnvironmentVariable(Name);
}

TEST(Installed, SettingsLeadToTheHelpDocument) {
  for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(Format, QSettings::SystemScope, Env("CORVANE_SETTINGS_DIR"));
  const QString ProgramDir = ReadSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir", "");
  EXPECT_EQ(ProgramDir, Env("CORVANE_INSTALL_PREFIX") + "/share/corvane");
  EXPECT_TRUE(QFile::exists(Env("CORVANE_INSTALL_ROOT") + ProgramDir + "/Docs/Corvane.html"));
  EXPECT_EQ(ReadSetting(srLocalMachine, GeneralSettingsKey, "HelpFile", "none"), "none");
}

// Without ProgramDir the program finds the guide from its own folder.
TEST(Installed, ProgramFindsTheHelpDocumentBesideItself) {
  const QString Bin = Env("CORVANE_INSTALL_ROOT") + Env("CORVANE_INSTALL_PREFIX") + "/bin";
  EXPECT_TRUE(QFile::exists(HelpDocumentPlaces("", Bin).value(0)));
}

TEST(Installed, MimeTypeKnowsJsbFiles) {
  QMimeDatabase Db;
  EXPECT_EQ(Db.mimeTypeForFile("My Component.jsb", QMimeDatabase::MatchExtension).name(),
            "application/x-jsb");
  const std::pair<QByteArray, bool> Contents[] = {
      {"<JSB>\r\n<JSB_DESCRIPTOR NAME=\"a.B\">\r\n</JSB>", true},
      {"\r\n\r\n<JSB>\r\n</JSB>", true},
      {"<html><body>JSB</body></html>", false},
  };
  for (const auto& [Bytes, IsJsb] : Contents)
    EXPECT_EQ(Db.mimeTypeForData(Bytes).name() == "application/x-jsb", IsJsb) << Bytes.data();
}

}  // namespace

int main(int argc, char** argv) {
  // The installed MIME package is found among the system's; no copy installed
  // by hand under /usr/local or the home folder may answer for it.
  qputenv("XDG_DATA_DIRS",
          (Env("CORVANE_INSTALL_ROOT") + Env("CORVANE_INSTALL_PREFIX") + "/share:/usr/share")
              .toLocal8Bit());
  QCoreApplication App(argc, argv);
  QCoreApplication::setOrganizationName("Brantwick Software");
  QCoreApplication::setApplicationName("Corvane");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
