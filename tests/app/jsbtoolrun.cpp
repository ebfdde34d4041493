#include "jsbtoolrun.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QProcess>

namespace {

TRun Run(const char* Program, const std::vector<std::string>& Args,
         const QProcessEnvironment& Environment, const std::string& Input = {}) {
  QStringList List;
  for (const std::string& A : Args)
    List << QString::fromStdString(A);
  QProcess P;
  P.setProcessEnvironment(Environment);
  P.start(Program, List);
  P.write(Input.data(), static_cast<qint64>(Input.size()));
  P.closeWriteChannel();
  TRun R;
  if (!P.waitForFinished(20000)) {
    P.kill();
    P.waitForFinished();
    return R;
  }
  R.Out = P.readAllStandardOutput().toStdString();
  R.Err = P.readAllStandardError().toStdString();
  if (P.exitStatus() == QProcess::NormalExit) R.Status = P.exitCode();
  return R;
}

}  // namespace

TRun RunTool(const std::vector<std::string>& Args, const std::string& Input) {
  return Run(JSBTOOL_PATH, Args, QProcessEnvironment::systemEnvironment(), Input);
}

TRun RunWithoutDisplay(const char* Program, const std::vector<std::string>& Args) {
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
  for (const char* Name : {"DISPLAY", "WAYLAND_DISPLAY"})
    Environment.remove(Name);
  Environment.insert("QT_QPA_PLATFORM", "xcb");
  return Run(Program, Args, Environment);
}

// Names are bytes, as the tool takes them.
std::string TToolFolder::Path(const std::string& Name) const {
  return FDir.path().toStdString() + '/' + Name;
}

std::string TToolFolder::Write(const std::string& Name, const std::string& Bytes) const {
  QFile F(QString::fromStdString(Path(Name)));
  EXPECT_TRUE(F.open(QIODevice::WriteOnly));
  F.write(Bytes.data(), static_cast<qint64>(Bytes.size()));
  return Path(Name);
}

std::string TToolFolder::Read(const std::string& Name) const {
  QFile F(QString::fromStdString(Path(Name)));
  EXPECT_TRUE(F.open(QIODevice::ReadOnly));
  return F.readAll().toStdString();
}

bool TToolFolder::Exists(const std::string& Name) const {
  return QFile::exists(QString::fromStdString(Path(Name)));
}

std::string CrLf(const std::vector<std::string>& Lines) {
  std::string Text;
  for (const std::string& L : Lines)
    Text += L + "\r\n";
  return Text;
}

QJsonObject DumpOf(const std::string& File) {
  const TRun R = RunTool({"dump", File});
  EXPECT_EQ(R.Status, 0) << R.Err;
  QJsonParseError Error;
  const QJsonDocument Doc = QJsonDocument::fromJson(QByteArray::fromStdString(R.Out), &Error);
  EXPECT_EQ(Error.error, QJsonParseError::NoError) << R.Out;
  EXPECT_TRUE(Doc.isObject());
  return Doc.object();
}

bool KeysInOrder(const std::string& Json, const std::string& After,
                 const std::vector<std::string>& Keys) {
  size_t At = Json.find(After);
  for (const std::string& Key : Keys) {
    if (At == std::string::npos) return false;
    At = Json.find("\"" + Key + "\": ", At);
  }
  return At != std::string::npos;
}
