#include <gtest/gtest.h>

#include <QJsonArray>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "jsbtoolrun.h"
#include "tests/support/specialfiles.h"

namespace {

const std::string ClockModel = R"({
  "bean": {"Name": "demo.widgets.Clock", "Env": "client", "DisplayName": "Clock",
           "IsJava": true, "Caption": "ignored"},
  "properties": [
    {"Name": "interval", "Type": "number", "DisplayName": "Interval", "IsBound": true},
    {"Name": "label"}],
  "methods": [
    {"Name": "start", "Type": "void",
     "parameters": [{"Name": "delay", "Type": "number", "ValueSet": "0:1000"}]},
    {"Name": "stop"}],
  "events": [{"Name": "onTick", "EventModel": "JS", "ListenerType": "TickListener"}],
  "interfaces": [{"Name": "Runnable"}],
  "constructor": "function demo_widgets_Clock( params ) {\r\n}",
  "valid": false, "messages": ["ignored"]
})";

// The file written from the model reads back to it, and writing the dump of
// that file again gives the same bytes.
TEST(JsbtoolWrite, WriteAndDumpRoundTrip) {
  TToolFolder Dir;
  TRun R = RunTool({"write", Dir.Write("clock.json", ClockModel), Dir.Path("first.jsb")});
  ASSERT_EQ(R.Status, 0) << R.Err;
  const std::string First = Dir.Read("first.jsb");
  EXPECT_EQ(
      First.rfind("<JSB>\r\n   <JSB_DESCRIPTOR NAME=\"demo.widgets.Clock\" ENV=\"client\"\r\n", 0),
      0u);
  const QJsonObject D = DumpOf(Dir.Path("first.jsb"));
  EXPECT_TRUE(D["bean"].toObject()["IsJava"].toBool());
  EXPECT_EQ(D["bean"].toObject()["Caption"].toString(), "demo.widgets.Clock");
  EXPECT_TRUE(D["properties"][0].toObject()["IsBound"].toBool());
  EXPECT_EQ(D["methods"][0]["parameters"][0].toObject()["ValueSet"].toString(), "0:1000");
  EXPECT_EQ(D["methods"][1].toObject()["parameters"].toArray().size(), 0);
  EXPECT_EQ(D["events"][0].toObject()["ListenerType"].toString(), "TickListener");
  EXPECT_EQ(D["interfaces"][0].toObject()["Name"].toString(), "Runnable");
  EXPECT_EQ(D["constructor"].toString(), "function demo_widgets_Clock( params ) {\r\n}");

  const std::string Json = RunTool({"dump", Dir.Path("first.jsb")}).Out;
  R = RunTool({"write", Dir.Write("dump.json", Json), Dir.Path("second.jsb")});
  ASSERT_EQ(R.Status, 0) << R.Err;
  EXPECT_EQ(Dir.Read("second.jsb"), First);
}

// Names that are not UTF-8 reach the file system as the bytes given. The
// shell passes them on as bytes, which QProcess would not.
TEST(JsbtoolWrite, ReadsAndWritesNamesThatAreNotUtf8) {
  TToolFolder Dir;
  const std::string Model = Dir.Path("clock\xff.json"), Out = Dir.Path("clock\xff\xfe.jsb");
  std::ofstream(Model, std::ios::binary) << ClockModel;
  const auto Tool = [](const std::string& Args) {
    return std::system(("'" JSBTOOL_PATH "' " + Args + " >/dev/null").c_str());
  };
  EXPECT_EQ(Tool("write '" + Model + "' '" + Out + "'"), 0);
  EXPECT_EQ(Tool("check '" + Out + "'"), 0);
  std::filesystem::remove_all(Dir.Path(""));  // which QTemporaryDir cannot do for these names
}

TEST(JsbtoolWrite, ConvertsStringsToTheChosenEncoding) {
  TToolFolder Dir;
  const std::string Cafe = R"("bean": {"Name": "caf\u00e9"})";
  ASSERT_EQ(RunTool({"write", Dir.Write("u.json", "{" + Cafe + "}"), Dir.Path("u.jsb")}).Status, 0);
  EXPECT_NE(Dir.Read("u.jsb").find("NAME=\"caf\xC3\xA9\""), std::string::npos);
  const std::string Latin = R"({"encoding": "Latin-1", )" + Cafe + "}";
  ASSERT_EQ(RunTool({"write", Dir.Write("l.json", Latin), Dir.Path("l.jsb")}).Status, 0);
  EXPECT_NE(Dir.Read("l.jsb").find("NAME=\"caf\xE9\""), std::string::npos);
  EXPECT_EQ(DumpOf(Dir.Path("l.jsb"))["bean"].toObject()["Name"].toString(),
            QString::fromUtf8("caf\u00e9"));
}

// Each bad model is refused with a message naming the problem, and the
// file that was there stays as it was.
TEST(JsbtoolWrite, RefusesBadModelsWithoutWriting) {
  const std::pair<const char*, const char*> Cases[] = {
      {R"({"bean": )", "malformed JSON"},
      {R"([1, 2])", "top level"},
      {R"({"bean": []})", "bean: expected an object"},
      {R"({"bean": {"IsJava": "yes"}})", "bean.IsJava: expected true or false"},
      {R"({"bean": {"Name": 3}})", "bean.Name: expected a string"},
      {R"({"properties": {}})", "properties: expected an array"},
      {R"({"methods": [{"parameters": [7]}]})", "methods[0].parameters[0]: expected an object"},
      {R"({"events": [{"Nmae": "x"}]})", "events[0].Nmae: unknown member"},
      {R"({"interfaces": [{"parameters": []}]})", "interfaces[0].parameters: unknown member"},
      {R"({"encoding": "UTF-16"})", "encoding"},
      {R"({"encoding": "Latin-1", "constructor": "\u20ac"})", "cannot be represented in Latin-1"},
      {R"({"constructor": "a\u0000b"})", "constructor: contains a NUL"},
      {R"({"bean": {"Name": "a\ud800b"}})", "bean.Name: contains a lone surrogate"},
      {R"({"events": [{"Name": "\udc00\ud800"}]})", "events[0].Name: contains a lone surrogate"},
      {R"({"bean": {}, "bean": {"Name": "b"}})", "bean: repeated member"},
      {R"({"methods": [{}, {"parameters": [{"Name": "a", "Type": "t", "\u004eame": "b"}]}]})",
       "methods[1].parameters[0].Name: repeated member"},
      {"{\"bean\": {\"Env\": \"\xEF\xBB\xBFx\"}}", "bean.Env: begins with a byte order mark"},
  };
  TToolFolder Dir;
  for (const auto& [Json, Problem] : Cases) {
    const std::string Out = Dir.Write("out.jsb", "old");
    const TRun R = RunTool({"write", Dir.Write("bad.json", Json), Out});
    EXPECT_EQ(R.Status, 2) << Json;
    EXPECT_NE(R.Err.find(Problem), std::string::npos) << Json << "\n" << R.Err;
    EXPECT_EQ(R.Err.rfind("jsbtool: ", 0), 0u) << R.Err;
    EXPECT_EQ(Dir.Read("out.jsb"), "old") << Json;
  }
}

// A value that a save and reopen would change is listed as check lists it,
// and nothing is written unless --force, which writes and still lists it.
TEST(JsbtoolWrite, ValuesThatWouldNotSurviveAreNotWrittenUnlessForced) {
  TToolFolder Dir;
  const std::string Model =
      Dir.Write("m.json", R"({"bean": {"Name": "c"}, "properties": [{"Name": "a\"b>c\r\nd"}]})");
  const std::string Out = Dir.Write("out.jsb", "old");
  TRun R = RunTool({"write", Model, Out});
  EXPECT_EQ(R.Status, 1);
  EXPECT_NE(R.Err.find(Out + ": property 1 \"a\\\"b>c\\r\\nd\": Name: "), std::string::npos)
      << R.Err;
  EXPECT_NE(R.Err.find(Out + ": not written (--force writes it all the same)\n"),
            std::string::npos);
  EXPECT_EQ(Dir.Read("out.jsb"), "old");
  R = RunTool({"write", "--force", Model, Out});
  EXPECT_EQ(R.Status, 0);
  EXPECT_NE(R.Err.find("would not survive a save and reopen"), std::string::npos) << R.Err;
  EXPECT_NE(Dir.Read("out.jsb"), "old");
  EXPECT_EQ(RunTool({"check", "--force", Out}).Status, 2);  // --force goes with write only
}

TEST(JsbtoolWrite, SurrogatePairsAreKept) {
  TToolFolder Dir;
  const std::string Model = Dir.Write("m.json", R"({"bean": {"Name": "\ud83d\ude00"}})");
  ASSERT_EQ(RunTool({"write", Model, Dir.Path("m.jsb")}).Status, 0);
  EXPECT_NE(Dir.Read("m.jsb").find("NAME=\"\xF0\x9F\x98\x80\""), std::string::npos);
}

// Special files are refused at once rather than waited on or read forever,
// and so is a model file too large to be one.
TEST(JsbtoolWrite, OnlyRegularFilesOfSaneSizeAreRead) {
  TToolFolder Dir;
  for (const std::string& Special : MakeSpecialFiles(Dir.Path("."))) {
    for (const std::vector<std::string>& Args : {std::vector<std::string>{"dump", Special},
                                                 {"check", Special},
                                                 {"write", Special, Dir.Path("out.jsb")}}) {
      const TRun R = RunTool(Args);
      EXPECT_EQ(R.Status, 2) << Args[0] << " " << Special;
      EXPECT_EQ(R.Err, "jsbtool: Cannot open file " + Special + "\n") << Args[0];
    }
  }
  const std::string Huge = Dir.Write("huge.json", "{}");
  ASSERT_EQ(truncate(Huge.c_str(), (1 << 30) + 1), 0);  // sparse: takes no room
  const TRun R = RunTool({"write", Huge, Dir.Path("out.jsb")});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Err, "jsbtool: " + Huge + ": the file is larger than 1 GiB\n");
  EXPECT_FALSE(Dir.Exists("out.jsb"));
}

// A FIFO or socket in the way is refused before anything is written, and
// stays what it was.
TEST(JsbtoolWrite, OnlyRegularFilesAreReplaced) {
  TToolFolder Dir;
  const std::string Model = Dir.Write("m.json", "{}");
  std::vector<std::string> Specials = MakeSpecialFiles(Dir.Path("."));
  Specials.pop_back();  // a device is never put at risk, even by a faulty writer
  for (const std::string& Special : Specials) {
    const TRun R = RunTool({"write", Model, Special});
    EXPECT_EQ(R.Status, 2) << Special;
    EXPECT_EQ(R.Err, "jsbtool: Cannot create file " + Special + "\n");
    EXPECT_FALSE(std::filesystem::is_regular_file(Special)) << Special;
  }
}

TEST(JsbtoolWrite, FileErrorsAreReportedWithExitStatus2) {
  TToolFolder Dir;
  const std::string Model = Dir.Write("m.json", "{}");
  TRun R = RunTool({"write", Dir.Path("none.json"), Dir.Path("x.jsb")});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Err, "jsbtool: Cannot open file " + Dir.Path("none.json") + "\n");
  EXPECT_FALSE(Dir.Exists("x.jsb"));
  const std::string Target = Dir.Path("no/such/dir.jsb");
  R = RunTool({"write", Model, Target});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Err, "jsbtool: Cannot create file " + Target + "\n");
}

}  // namespace
