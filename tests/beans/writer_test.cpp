#include "beans/jsbwriter.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "beans/beanmodel.h"
#include "testsupport.h"

namespace fs = std::filesystem;

namespace {

// The clock component that the format's documentation uses as its example.
void BuildClock(TJSBean& Bean) {
  Bean.SetName("demo.widgets.Clock");
  Bean.SetEnv("client");
  Bean.SetDisplayName("Clock");
  Bean.SetIsJava(true);
  TPropertyDescriptor* Interval = Bean.Properties().Add();
  Interval->SetName("interval");
  Interval->SetType("number");
  Interval->SetDisplayName("Interval");
  Interval->SetIsBound(true);
  Bean.Properties().Add()->SetName("label");
  TMethodDescriptor* Start = Bean.Methods().Add();
  Start->SetName("start");
  Start->SetType("void");
  TParameterDescriptor* Delay = Start->Parameters().Add();
  Delay->SetName("delay");
  Delay->SetType("number");
  Delay->SetValueSet("0:1000");
  Bean.Methods().Add()->SetName("stop");
  TEventSetDescriptor* Tick = Bean.EventSets().Add();
  Tick->SetName("onTick");
  Tick->SetEventModel("JS");
  Tick->SetListenerType("TickListener");
  Bean.Interfaces().Add()->SetName("Runnable");
}

}  // namespace

TEST(Writer, ReproducesTheClockExample) {
  TJSBean Bean;
  BuildClock(Bean);
  const std::string Expected =
      CrLf({"<JSB>",
            "   <JSB_DESCRIPTOR NAME=\"demo.widgets.Clock\" ENV=\"client\"",
            "                   DISPLAYNAME=\"Clock\"",
            "                   ISJAVA>",
            "",
            "   <JSB_PROPERTY NAME=\"interval\" TYPE=\"number\"",
            "                 DISPLAYNAME=\"Interval\"",
            "                 ISBOUND>",
            "",
            "   <JSB_PROPERTY NAME=\"label\">",
            "",
            "   <JSB_METHOD NAME=\"start\" TYPE=\"void\">",
            "      <JSB_PARAMETER NAME=\"delay\" TYPE=\"number\"",
            "                     VALUESET=\"0:1000\">",
            "   </JSB_METHOD>",
            "",
            "   <JSB_METHOD NAME=\"stop\">",
            "   </JSB_METHOD>",
            "",
            "   <JSB_EVENT NAME=\"onTick\" EVENTMODEL=\"JS\"",
            "              LISTENERTYPE=\"TickListener\">",
            "",
            "   <JSB_INTERFACE NAME=\"Runnable\">",
            "",
            "   <JSB_CONSTRUCTOR>",
            "function demo_widgets_Clock( params ) {",
            "}",
            "",
            "   </JSB_CONSTRUCTOR>",
            ""}) +
      "</JSB>";
  EXPECT_EQ(WriteJSBText(Bean, "function demo_widgets_Clock( params ) {\r\n}"), Expected);
}

// A file is written in blocks as the text is made; the bytes are the same
// as the text's, across many block boundaries, a tag larger than a block and
// a large constructor.
TEST(Writer, FileInBlocksEqualsTheText) {
  TJSBean Bean;
  for (int I = 0; I < 20000; ++I) {
    TPropertyDescriptor* P = Bean.Properties().Add();
    P->SetName("property" + std::to_string(I));
    P->SetShortDescription(std::string(static_cast<std::size_t>(I % 97), 'd'));
  }
  // A tag larger than a block, between two blocks.
  Bean.Properties().Items(9000)->SetDisplayName(std::string(300000, 'v'));
  Bean.Methods().Add()->SetName("run");
  const std::string Constructor(700000, 'c');
  const QTemporaryDir Dir;
  const std::string File = Dir.filePath("big.jsb").toStdString();
  ASSERT_GT(WriteJSBText(Bean, Constructor).size(), 1'800'000u);
  // The bytes and their hash are those of the whole text encoded at once: in
  // Latin-1 where it can hold every character, else in UTF-8, even when the
  // one it cannot hold comes blocks after the first.
  const auto Check = [&](TTextEncoding Encoding) {
    const std::string Text = EncodeJSBText(WriteJSBText(Bean, Constructor), Encoding);
    TFileHash Hash;
    WriteJSBFile(File, Bean, Constructor, Encoding, &Hash);
    std::ifstream In(File, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(In), {}), Text);
    EXPECT_EQ(Hash,
              QCryptographicHash::hash(QByteArray::fromStdString(Text), QCryptographicHash::Sha1)
                  .toStdString());
    return Text;
  };
  for (const TTextEncoding Encoding : {TTextEncoding::Utf8, TTextEncoding::Latin1})
    Check(Encoding);
  Bean.Properties().Items(3)->SetDisplayName("caf\xC3\xA9");  // é
  EXPECT_NE(Check(TTextEncoding::Latin1).find("caf\xE9"), std::string::npos);
  Bean.Properties().Items(19000)->SetDisplayName("\xE2\x82\xAC");  // beyond Latin-1
  EXPECT_NE(Check(TTextEncoding::Latin1).find("caf\xC3\xA9"), std::string::npos);
  EXPECT_EQ(
      std::distance(fs::directory_iterator(Dir.path().toStdString()), fs::directory_iterator()),
      1);  // the abandoned start left nothing behind
}

TEST(Writer, EmptyBean) {
  TJSBean Bean;
  EXPECT_EQ(WriteJSBText(Bean, "x"),
            CrLf({"<JSB>", "   <JSB_DESCRIPTOR NAME=\"\">", "", "   <JSB_CONSTRUCTOR>", "x", "",
                  "   </JSB_CONSTRUCTOR>", ""}) +
                "</JSB>");
}

TEST(Writer, EveryAttributeInItsPlace) {
  TJSBean Bean;
  Bean.SetName("b");
  Bean.SetShortDescription("sd");
  Bean.SetCustomizer("cu");
  Bean.SetIsHidden(true);
  TPropertyDescriptor* P = Bean.Properties().Add();
  P->SetName("p");
  P->SetPropType("pt");
  P->SetEventModel("em");
  P->SetEnv("en");
  P->SetValueSet("vs");
  P->SetPropertyEditor("pe");
  P->SetReadMethod("rm");
  P->SetWriteMethod("wm");
  P->SetIsDefault(true);
  P->SetIsRuntime(true);
  TMethodDescriptor* M = Bean.Methods().Add();
  M->SetName("m");
  M->SetEnv("server");
  M->SetShortDescription("does \"it\"");  // written unchanged, quotes and all
  TEventSetDescriptor* E = Bean.EventSets().Add();
  E->SetName("e");
  E->SetListenerMethods("lm");
  E->SetAddListenerMethod("al");
  E->SetRemoveListenerMethod("rl");
  E->SetIsDefault(true);
  TJSInterface* I = Bean.Interfaces().Add();
  I->SetName("i");
  I->SetDisplayName("dn");
  I->SetShortDescription("sd");
  const std::string Expected = CrLf({"<JSB>",
                                     "   <JSB_DESCRIPTOR NAME=\"b\"",
                                     "                   SHORTDESCRIPTION=\"sd\"",
                                     "                   CUSTOMIZER=\"cu\"",
                                     "                   ISHIDDEN>",
                                     "",
                                     "   <JSB_PROPERTY NAME=\"p\"",
                                     "                 PROPTYPE=\"pt\"",
                                     "                 EVENTMODEL=\"em\"",
                                     "                 ENV=\"en\"",
                                     "                 VALUESET=\"vs\"",
                                     "                 PROPERTYEDITOR=\"pe\"",
                                     "                 READMETHOD=\"rm\"",
                                     "                 WRITEMETHOD=\"wm\"",
                                     "                 ISDEFAULT",
                                     "                 ISRUNTIME>",
                                     "",
                                     "   <JSB_METHOD NAME=\"m\"",
                                     "               ENV=\"server\"",
                                     "               SHORTDESCRIPTION=\"does \"it\"\">",
                                     "   </JSB_METHOD>",
                                     "",
                                     "   <JSB_EVENT NAME=\"e\"",
                                     "              LISTENERMETHODS=\"lm\"",
                                     "              ADDLISTENERMETHOD=\"al\"",
                                     "              REMOVELISTENERMETHOD=\"rl\"",
                                     "              ISDEFAULT>",
                                     "",
                                     "   <JSB_INTERFACE NAME=\"i\"",
                                     "                  DISPLAYNAME=\"dn\"",
                                     "                  SHORTDESCRIPTION=\"sd\">",
                                     "",
                                     "   <JSB_CONSTRUCTOR>",
                                     "a\rb\nc",
                                     "",
                                     "   </JSB_CONSTRUCTOR>",
                                     ""}) +
                               "</JSB>";
  EXPECT_EQ(WriteJSBText(Bean, "a\rb\nc"), Expected);
}

// A check compares a file with the writer's text part by part; only the
// whole text exactly counts as a match.
TEST(Writer, TextMatchesOnlyItsOwnBytes) {
  TJSBean Bean;
  BuildClock(Bean);
  const std::string Constructor = "code();";
  const std::string Text = WriteJSBText(Bean, Constructor);
  std::string Changed = Text;
  Changed[Text.find("Interval")] = 'i';
  const struct {
    std::string Given;
    bool Matches;
  } Cases[] = {
      {Text, true},
      {Text.substr(0, Text.size() - 1), false},
      {Text + "\r\n", false},
      {Changed, false},
      {Text.substr(0, Text.find("code")) + "code(1);" + Text.substr(Text.find("();") + 3), false},
      {"", false}};
  for (const auto& C : Cases)
    EXPECT_EQ(JSBTextMatches(Bean, Constructor, C.Given), C.Matches) << C.Given;
}

// Made a few items at a time, the text is the one made whole, whatever the
// size of the steps and wherever a method's parameters fall.
TEST(Writer, TextMadeInStepsEqualsTheWholeText) {
  const auto Named = [](char Kind, int I) {
    std::string Name(1, Kind);
    Name += std::to_string(I);
    return Name;
  };
  TJSBean Bean;
  Bean.SetName("c");
  for (int I = 0; I < 7; ++I) {
    Bean.Properties().Add()->SetName(Named('p', I));
    TMethodDescriptor* M = Bean.Methods().Add();
    M->SetName(Named('m', I));
    for (int J = 0; J < I; ++J)
      M->Parameters().Add()->SetName(Named('a', J));
  }
  Bean.EventSets().Add()->SetName("e");
  Bean.Interfaces().Add()->SetName("i");
  const std::string Whole = WriteJSBText(Bean, "function c() {}");
  for (const int Items : {1, 2, 3, 5, 1000}) {
    TJSBTextBuilder Builder(Bean, "function c() {}");
    int Steps = 1;
    while (!Builder.Step(Items))
      ++Steps;
    EXPECT_EQ(std::move(Builder).Text(), Whole) << Items << " items a step";
    if (Items == 1) {
      EXPECT_GE(Steps, 16);  // an item a step, a method with its parameters
    }
  }
}
