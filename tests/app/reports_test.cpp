// check's documents for CI systems, each validated by what reads it: the XML
// formats against the schemas beside this test, SARIF by the validator that
// code-scanning services use.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "jsbtoolrun.h"

namespace {

// A run with every kind of problem there is in the shipped files.
std::vector<std::string> CheckAll(const char* Format) {
  return {"check",
          "--strict",
          "-r",
          std::string("--format=") + Format,
          CORVANE_EXAMPLES,
          std::string(CORVANE_EXAMPLES) + "/../tests/fuzz/corpus/jsb"};
}

// The exit status of a shell command line; -1 when it could not run.
int Shell(const std::string& Command) {
  const int Status = std::system(Command.c_str());
  return Status == -1 || !WIFEXITED(Status) ? -1 : WEXITSTATUS(Status);
}

size_t Lines(const std::string& Text) {
  return static_cast<size_t>(std::count(Text.begin(), Text.end(), '\n'));
}

TEST(JsbtoolReports, XmlFormatsFollowTheirSchemas) {
  if (Shell("command -v xmllint > /dev/null") != 0) GTEST_SKIP() << "xmllint is not installed";
  TToolFolder Dir;
  for (const char* Format : {"junit", "checkstyle"}) {
    const TRun R = RunTool(CheckAll(Format));
    EXPECT_EQ(R.Status, 1) << R.Err;
    const std::string File = Dir.Write(std::string("report.") + Format, R.Out);
    EXPECT_EQ(Shell("xmllint --noout --schema " CORVANE_SCHEMAS "/" + std::string(Format) +
                    ".xsd " + File),
              0)
        << R.Out;
  }
}

// One result per problem, each placed, and nothing the validator calls wrong.
TEST(JsbtoolReports, SarifIsValidAndHasAResultPerProblem) {
  const TRun Sarif = RunTool(CheckAll("sarif")), Gcc = RunTool(CheckAll("gcc"));
  const QJsonObject Log = QJsonDocument::fromJson(QByteArray::fromStdString(Sarif.Out)).object();
  EXPECT_EQ(Log["version"].toString(), "2.1.0");
  const QJsonArray Results = Log["runs"][0]["results"].toArray();
  EXPECT_EQ(static_cast<size_t>(Results.size()), Lines(Gcc.Out));
  for (const QJsonValue& Result : Results)
    EXPECT_GT(Result["locations"][0]["physicalLocation"]["region"]["startLine"].toInt(), 0);
  TToolFolder Dir;
  const std::string Input = Dir.Write("run.sarif", Sarif.Out), Found = Dir.Path("found.sarif");
  FILE* Pipe = popen(CORVANE_SARIF_TOOL_SCRIPT " " CORVANE_SARIF_TOOL_FOLDER, "r");
  char Path[4096] = {};
  const bool Got = Pipe && std::fgets(Path, sizeof Path, Pipe) && pclose(Pipe) == 0;
  if (!Got) GTEST_SKIP() << "the SARIF multitool could not be installed";
  std::string Tool(Path);
  Tool.pop_back();
  ASSERT_EQ(Shell(Tool + " validate " + Input + " -o " + Found + " > /dev/null"), 0);
  const QJsonObject Verdict =
      QJsonDocument::fromJson(QByteArray::fromStdString(Dir.Read("found.sarif"))).object();
  const QJsonArray Problems = Verdict["runs"][0]["results"].toArray();
  for (const QJsonValue& Problem : Problems)
    ADD_FAILURE() << Problem["ruleId"].toString().toStdString() << ": "
                  << Problem["message"]["text"].toString().toStdString();
}

}  // namespace
