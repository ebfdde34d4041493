#include <gtest/gtest.h>

#include <QJsonArray>

#include "jsbtoolrun.h"

namespace {

QString Q(const char* Utf8) {
  return QString::fromUtf8(Utf8);
}

const std::string Sample = CrLf({
    "<JSB>",
    "<JSB_DESCRIPTOR NAME=\"demo.Clock\" ENV=\"client\" CUSTOMIZER=\"C\"",
    "  DISPLAYNAME=\"Clock\" ISJAVA ISHIDDEN>",
    "<JSB_PROPERTY NAME=\"interval\" TYPE=\"number\" VALUESET=\"0:9\"",
    "  ISBOUND READMETHOD=\"getI\">",
    "<jsb_property name=label isruntime>",
    "<JSB_METHOD NAME=\"start\" TYPE=\"void\">",
    "<JSB_PARAMETER NAME=\"delay\" TYPE=\"number\">",
    "<JSB_PARAMETER TYPE=\"x\">",
    "</JSB_METHOD>",
    "<JSB_EVENT NAME=\"onTick\" LISTENERTYPE=\"TickListener\" ISDEFAULT>",
    "<JSB_INTERFACE DISPLAYNAME=\"Run\">",
    "<JSB_CONSTRUCTOR>",
    "function f() {",
    "}",
    "</JSB_CONSTRUCTOR>",
    "</JSB>",
});

TEST(JsbtoolDump, ReportsEveryMemberInFileOrder) {
  TToolFolder Dir;
  const QJsonObject D = DumpOf(Dir.Write("clock.jsb", Sample));
  EXPECT_TRUE(D["valid"].toBool());
  EXPECT_EQ(D["encoding"].toString(), "UTF-8");
  const QJsonObject Bean = D["bean"].toObject();
  EXPECT_EQ(Bean["Name"].toString(), "demo.Clock");
  EXPECT_EQ(Bean["Customizer"].toString(), "C");
  EXPECT_TRUE(Bean["IsJava"].toBool());
  EXPECT_TRUE(Bean["IsHidden"].toBool());
  EXPECT_EQ(Bean["Caption"].toString(), "demo.Clock");

  const QJsonArray Props = D["properties"].toArray();
  ASSERT_EQ(Props.size(), 2);
  EXPECT_EQ(Props[0]["ValueSet"].toString(), "0:9");
  EXPECT_EQ(Props[0]["ReadMethod"].toString(), "getI");
  EXPECT_TRUE(Props[0]["IsBound"].toBool());
  EXPECT_FALSE(Props[0]["IsRuntime"].toBool());
  EXPECT_EQ(Props[1]["Name"].toString(), "label");
  EXPECT_TRUE(Props[1]["IsRuntime"].toBool());

  const QJsonArray Params = D["methods"][0]["parameters"].toArray();
  ASSERT_EQ(Params.size(), 2);
  EXPECT_EQ(Params[0]["Caption"].toString(), "delay");
  // A tag without NAME: the item is "Untitled", its node caption empty.
  EXPECT_EQ(Params[1]["Name"].toString(), "Untitled");
  EXPECT_EQ(Params[1]["Caption"].toString(), "");
  EXPECT_TRUE(D["events"][0]["IsDefault"].toBool());
  EXPECT_EQ(D["interfaces"][0]["DisplayName"].toString(), "Run");
  EXPECT_EQ(D["constructor"].toString(), "function f() {\r\n}\r\n");
  EXPECT_TRUE(D["messages"].toArray().isEmpty());
}

TEST(JsbtoolDump, KeepsTheDocumentedMemberOrder) {
  TToolFolder Dir;
  const std::string Json = RunTool({"dump", Dir.Write("clock.jsb", Sample)}).Out;
  EXPECT_TRUE(KeysInOrder(Json, "{",
                          {"valid", "encoding", "bean", "properties", "methods", "events",
                           "interfaces", "constructor", "messages"}));
  EXPECT_TRUE(KeysInOrder(Json, "\"bean\"",
                          {"Name", "DisplayName", "ShortDescription", "Customizer", "Env",
                           "IsHidden", "IsJava", "Caption"}));
  EXPECT_TRUE(KeysInOrder(Json, "\"properties\"",
                          {"Name", "DisplayName", "ShortDescription", "Type", "PropType",
                           "EventModel", "Env", "ValueSet", "PropertyEditor", "ReadMethod",
                           "WriteMethod", "IsDefault", "IsBound", "IsRuntime", "Caption"}));
  EXPECT_TRUE(KeysInOrder(
      Json, "\"methods\"",
      {"Name", "DisplayName", "ShortDescription", "Type", "Env", "Caption", "parameters", "Name",
       "DisplayName", "ShortDescription", "Type", "ValueSet", "Caption"}));
  EXPECT_TRUE(KeysInOrder(
      Json, "\"events\"",
      {"Name", "DisplayName", "ShortDescription", "EventModel", "ListenerType", "ListenerMethods",
       "AddListenerMethod", "RemoveListenerMethod", "IsDefault", "Caption"}));
}

TEST(JsbtoolDump, DecodesLatin1AndEscapesControlCharacters) {
  TToolFolder Dir;
  const std::string File = Dir.Write(
      "latin.jsb", CrLf({"<JSB>", "<JSB_DESCRIPTOR NAME=\"caf\xE9\" DISPLAYNAME=\"a\tb\\c\">",
                         "<JSB_CONSTRUCTOR>", "x\x01y", "</JSB_CONSTRUCTOR>", "</JSB>"}));
  const std::string Raw = RunTool({"dump", File}).Out;
  EXPECT_NE(Raw.find("\"a\\tb\\\\c\""), std::string::npos) << Raw;
  EXPECT_NE(Raw.find("x\\u0001y\\r\\n"), std::string::npos) << Raw;
  const QJsonObject D = DumpOf(File);
  EXPECT_EQ(D["encoding"].toString(), "Latin-1");
  EXPECT_EQ(D["bean"]["Name"].toString(), Q("caf\u00e9"));
  EXPECT_EQ(D["bean"]["DisplayName"].toString(), "a\tb\\c");
}

TEST(JsbtoolDump, ReportsTheReadersNoticesExactly) {
  TToolFolder Dir;
  const std::string None = Dir.Write("none.jsb", "just text\n");
  QJsonObject D = DumpOf(None);
  EXPECT_FALSE(D["valid"].toBool());
  EXPECT_EQ(D["bean"].toObject()["Name"].toString(), "untitled");
  EXPECT_EQ(D["messages"].toArray(),
            QJsonArray({QString::fromStdString(
                None + " is not a valid JavaScript BeanInfo file. No <JSB> tag found.")}));

  const std::string Listener = Dir.Write(
      "listener.jsb", CrLf({"<JSB>", "<JSB_LISTENER X>", "<JSB_PROPERTY NAME=\"gone\">",
                            "</JSB_LISTENER>", "<JSB_PROPERTY NAME=\"kept\">", "</JSB>"}));
  D = DumpOf(Listener);
  const QJsonArray Props = D["properties"].toArray();
  EXPECT_TRUE(D["valid"].toBool());
  ASSERT_EQ(Props.size(), 1);
  EXPECT_EQ(Props[0].toObject()["Name"].toString(), "kept");
  EXPECT_EQ(D["messages"].toArray(),
            QJsonArray({QString::fromStdString(
                "<JSB_LISTENER> tags were found in " + Listener +
                ". These tags are not supported in Corvane PR1 and will be ignored.")}));
}

TEST(JsbtoolDump, UnreadableFileFailsWithTheFileError) {
  TToolFolder Dir;
  for (const std::string& File : {Dir.Path("missing.jsb"), Dir.Path("")}) {
    const TRun R = RunTool({"dump", File});
    EXPECT_EQ(R.Status, 2);
    EXPECT_EQ(R.Err, "jsbtool: Cannot open file " + File + "\n");
    EXPECT_EQ(R.Out, "");
  }
}

}  // namespace
