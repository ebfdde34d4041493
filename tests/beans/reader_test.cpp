#include "beans/jsbreader.h"

#include <gtest/gtest.h>

#include "beans/jsbwriter.h"
#include "testsupport.h"

namespace {

const std::string NotValid =
    "c:\\dir\\x.jsb is not a valid JavaScript BeanInfo file. No <JSB> tag found.";

std::string Names(const TJSBReadResult& R) {
  std::string Out;
  for (const TReadItem& I : R.Items)
    Out += std::to_string(I.Kind) + ":" + I.Item->Name() + "[" + I.Caption() + "] ";
  return Out;
}

}  // namespace

TEST(Reader, NoJsbTag) {
  const TRead R = Read("<JSB_PROPERTY NAME=\"a\">", "c:\\dir\\x.jsb");
  EXPECT_FALSE(R.Result.Valid);
  EXPECT_EQ(R.Notices, std::vector<std::string>{NotValid});
  EXPECT_EQ(R.Result.Bean->Name(), "untitled");
  EXPECT_EQ(R.Result.Bean->Properties().Count(), 0);
  EXPECT_TRUE(R.Result.Items.empty());
}

TEST(Reader, OutdatedJsbTagIsReadOnWithANotice) {
  const TRead R = Read("<jsb version=1>\n<JSB_PROPERTY NAME=\"a\">", "old.jsb");
  EXPECT_TRUE(R.Result.Valid);
  EXPECT_EQ(R.Notices, std::vector<std::string>{
                           "old.jsb appears to be an outdated JavaScript BeanInfo file. Any "
                           "attributes contained in the <JSB> tag will be ignored."});
  EXPECT_EQ(Names(R.Result), "0:a[a] ");
  EXPECT_EQ(R.Result.RootCaption, "untitled");  // no descriptor tag
}

TEST(Reader, ListenerBlocksAreDroppedWithOneNotice) {
  const TRead R = Read(
      "<JSB><JSB_LISTENER NAME=\"l\"><JSB_PROPERTY NAME=\"hidden\"></JSB_LISTENER>"
      "<JSB_PROPERTY NAME=\"shown\"><jsb_listener x>\n<JSB_PROPERTY NAME=\"gone\">\n"
      "</JSB_LISTENER>",
      "l.jsb");
  EXPECT_EQ(R.Notices,
            std::vector<std::string>{"<JSB_LISTENER> tags were found in l.jsb. These tags are not "
                                     "supported in Corvane PR1 and will be ignored."});
  EXPECT_EQ(Names(R.Result), "0:shown[shown] ");
}

TEST(Reader, DescriptorAttributes) {
  const TRead R = Read(
      "<JSB>\n<JSB_DESCRIPTOR NAME=\"a.b.C\" ENV=\"client\"\n DISPLAYNAME=\"Cee\"\n"
      " SHORTDESCRIPTION=\"short\"\n CUSTOMIZER=\"cu\"\n ISJAVA=\"false\"\n ISHIDDEN>\n"
      "<JSB_DESCRIPTOR NAME=\"second\">");
  const TJSBean& B = *R.Result.Bean;
  EXPECT_EQ(B.Name(), "a.b.C");
  EXPECT_EQ(R.Result.RootCaption, "a.b.C");
  EXPECT_EQ(B.Env(), "client");
  EXPECT_EQ(B.DisplayName(), "Cee");
  EXPECT_EQ(B.ShortDescription(), "short");
  EXPECT_EQ(B.Customizer(), "cu");
  EXPECT_TRUE(B.IsJava());  // a flag counts as present whatever value follows it
  EXPECT_TRUE(B.IsHidden());
  EXPECT_TRUE(B.Modified());
  EXPECT_TRUE(R.Notices.empty());
}

TEST(Reader, MissingNames) {
  const TRead R = Read("<JSB><JSB_DESCRIPTOR ENV=\"x\"><JSB_PROPERTY TYPE=\"t\">");
  EXPECT_EQ(R.Result.Bean->Name(), "untitled");
  EXPECT_EQ(R.Result.RootCaption, "");
  EXPECT_EQ(Names(R.Result), "0:Untitled[] ");
}

TEST(Reader, PropertyAttributesAndPatternQuirks) {
  const TRead R = Read(
      "<JSB>\n<jsb_property name=\"a\">\n"
      "<JSB_PROPERTY NAME=\"p\" TYPE=\"number\"\n PROPTYPE=\"JS\"\n EVENTMODEL=\"em\"\n"
      " ENV=\"both\"\n VALUESET=\"1:2\"\n PROPERTYEDITOR=\"pe\"\n READMETHOD=\"get\"\n"
      " WRITEMETHOD=\"set\"\n ISDEFAULT\n ISBOUND\n ISRUNTIME>\n"
      "<JSB_PROPERTY NAME=\"q\"\n PROPTYPE=\"JS\">\n");
  const TPropertyDescriptors& Props = R.Result.Bean->Properties();
  ASSERT_EQ(Props.Count(), 3);
  EXPECT_EQ(Props.Items(0)->Name(), "a");  // a lower-case tag is read, once
  const TPropertyDescriptor& P = *Props.Items(1);
  EXPECT_EQ(P.Type(), "number");
  EXPECT_EQ(P.PropType(), "JS");
  EXPECT_EQ(P.EventModel(), "em");
  EXPECT_EQ(P.Env(), "both");
  EXPECT_EQ(P.ValueSet(), "1:2");
  EXPECT_EQ(P.PropertyEditor(), "pe");
  EXPECT_EQ(P.ReadMethod(), "get");
  EXPECT_EQ(P.WriteMethod(), "set");
  EXPECT_TRUE(P.IsDefault() && P.IsBound() && P.IsRuntime());
  EXPECT_EQ(Props.Items(2)->Type(), "JS");  // TYPE= matches inside PROPTYPE=
}

TEST(Reader, MethodsOwnTheParametersOfTheirSection) {
  const TRead R = Read(
      "<JSB>\n<JSB_PARAMETER NAME=\"stray\">\n"
      "<JSB_METHOD NAME=\"m1\" TYPE=\"void\" ENV=\"client\">\n"
      "<JSB_PARAMETER NAME=\"x\" TYPE=\"number\" VALUESET=\"0:9\">\n"
      "<JSB_PROPERTY NAME=\"between\">\n"
      "<JSB_PARAMETER NAME=\"y\">\n</JSB_METHOD>\n"
      "<JSB_PARAMETER NAME=\"after\">\n"
      "<JSB_METHOD NAME=\"m2\">\n</jsb_method>\n<JSB_PARAMETER NAME=\"z\">\n</JSB_METHOD>\n");
  const TMethodDescriptors& Methods = R.Result.Bean->Methods();
  ASSERT_EQ(Methods.Count(), 2);
  EXPECT_EQ(Methods.Items(0)->Type(), "void");
  EXPECT_EQ(Methods.Items(0)->Env(), "client");
  const TParameterDescriptors& P = Methods.Items(0)->Parameters();
  ASSERT_EQ(P.Count(), 2);
  EXPECT_EQ(P.Items(0)->Type(), "number");
  EXPECT_EQ(P.Items(0)->ValueSet(), "0:9");
  // The closing tag must be written exactly so: the lower-case one does not end m2.
  EXPECT_EQ(Methods.Items(1)->Parameters().Count(), 1);
  EXPECT_EQ(Names(R.Result), "0:between[between] 2:m1[m1] 3:x[x] 3:y[y] 2:m2[m2] 3:z[z] ");
}

TEST(Reader, UnclosedMethodEndsAtTheNextMethod) {
  const TRead R = Read(
      "<JSB>\n<JSB_METHOD NAME=\"a\">\n<JSB_PARAMETER NAME=\"pa\">\n"
      "<JSB_METHOD NAME=\"b\">\n<JSB_PARAMETER NAME=\"pb\">\n");
  EXPECT_EQ(Names(R.Result), "2:a[a] 3:pa[pa] 2:b[b] 3:pb[pb] ");
}

TEST(Reader, EventsAndInterfaces) {
  const TRead R = Read(
      "<JSB>\n<JSB_INTERFACE NAME=\"I1\" DISPLAYNAME=\"d\" SHORTDESCRIPTION=\"s\">\n"
      "<JSB_EVENT NAME=\"e\" EVENTMODEL=\"JS\"\n LISTENERTYPE=\"lt\"\n LISTENERMETHODS=\"lm\"\n"
      " ADDLISTENERMETHOD=\"al\"\n REMOVELISTENERMETHOD=\"rl\"\n ISDEFAULT>\n");
  const TEventSetDescriptor& E = *R.Result.Bean->EventSets().Items(0);
  EXPECT_EQ(E.EventModel(), "JS");
  EXPECT_EQ(E.ListenerType(), "lt");
  EXPECT_EQ(E.ListenerMethods(), "lm");
  EXPECT_EQ(E.AddListenerMethod(), "al");
  EXPECT_EQ(E.RemoveListenerMethod(), "rl");
  EXPECT_TRUE(E.IsDefault());
  const TJSInterface& I = *R.Result.Bean->Interfaces().Items(0);
  EXPECT_EQ(I.DisplayName(), "d");
  EXPECT_EQ(I.ShortDescription(), "s");
  EXPECT_EQ(Names(R.Result), "1:e[e] 4:I1[I1] ");  // events before interfaces
}

TEST(Reader, TagCutShortByAGreaterThanOrAnOpenQuote) {
  const TRead R = Read(
      "<JSB>\n<JSB_PROPERTY NAME=\"a>b\" TYPE=\"t\">\n"
      "<JSB_PROPERTY NAME=\"p\"\n DISPLAYNAME=\"runs\non\">\n<JSB_PROPERTY NAME=\"last\"");
  const TPropertyDescriptors& Props = R.Result.Bean->Properties();
  ASSERT_EQ(Props.Count(), 2);  // the last tag has no '>' and ends the pass unread
  EXPECT_EQ(Props.Items(0)->Name(), "Untitled");  // "a is not closed before the '>'
  EXPECT_EQ(Props.Items(0)->Type(), "");
  EXPECT_EQ(Props.Items(1)->DisplayName(), "");
}

TEST(Reader, ConstructorText) {
  const std::string Ctor = "function f() {\r\n}";
  EXPECT_EQ(
      Read("<JSB><JSB_CONSTRUCTOR>\n" + Ctor + "\n\n   </JSB_CONSTRUCTOR>").Result.Constructor,
      Ctor);
  // Hand-written: only the leading line break is dropped.
  EXPECT_EQ(Read("<JSB><JSB_CONSTRUCTOR>\r\r\rx\r</JSB_CONSTRUCTOR>").Result.Constructor,
            "\r\n\r\nx\r\n");
  EXPECT_EQ(Read("<JSB><JSB_CONSTRUCTOR>x").Result.Constructor, "");
  EXPECT_EQ(Read("<JSB></JSB_CONSTRUCTOR><JSB_CONSTRUCTOR>x</JSB_CONSTRUCTOR>").Result.Constructor,
            "");
  EXPECT_EQ(Read("<JSB>x</JSB_CONSTRUCTOR>").Result.Constructor, "");
  EXPECT_EQ(Read("<JSB><jsb_constructor>x</jsb_constructor>").Result.Constructor, "");
}

// Tags written in the constructor's JavaScript are its text, not items: the
// file keeps its items and its constructor over any number of opens and saves.
TEST(Reader, TagsInTheConstructorAreNotRead) {
  const std::string Ctor =
      "var s = '<JSB_PROPERTY NAME=\"x\">';\r\n"
      "// <JSB_EVENT NAME=\"e\"> <jsb_method name=\"m\"><JSB_PARAMETER NAME=\"p\"></JSB_METHOD>\r\n"
      "/* <JSB_DESCRIPTOR NAME=\"fake\"> <JSB_LISTENER a>kept</JSB_LISTENER> */\r\n";
  std::string Text = CrLf({"<JSB>", "<JSB_PROPERTY NAME=\"real\">", "<JSB_METHOD NAME=\"run\">",
                           "<JSB_CONSTRUCTOR>"}) +
                     Ctor + "</JSB_CONSTRUCTOR><JSB_EVENT NAME=\"after\">";
  for (int Round = 0; Round < 3; ++Round) {
    const TRead R = Read(Text);
    EXPECT_EQ(Names(R.Result), "0:real[real] 2:run[run] 1:after[after] ") << Round;
    EXPECT_EQ(R.Result.RootCaption, "untitled") << Round;
    EXPECT_EQ(R.Result.Constructor, Ctor) << Round;
    EXPECT_TRUE(R.Notices.empty()) << Round;
    Text = WriteJSBText(*R.Result.Bean, R.Result.Constructor);
  }
  // Outside the block a listener is still removed, on either side of it.
  const TRead R = Read(
      "<JSB><JSB_LISTENER a><JSB_PROPERTY NAME=\"x\"></JSB_LISTENER><JSB_CONSTRUCTOR>"
      "<JSB_LISTENER b></JSB_LISTENER></JSB_CONSTRUCTOR><JSB_LISTENER c>"
      "<JSB_EVENT NAME=\"y\"></JSB_LISTENER><JSB_INTERFACE NAME=\"z\">");
  EXPECT_EQ(Names(R.Result), "4:z[z] ");
  EXPECT_EQ(R.Result.Constructor, "<JSB_LISTENER b></JSB_LISTENER>");
  EXPECT_EQ(R.Notices.size(), 1u);
}

TEST(Reader, LineBreaksBecomeCrLf) {
  const TRead R = Read("<JSB>\r<JSB_CONSTRUCTOR>\ra\rb\r</JSB_CONSTRUCTOR>\r");
  EXPECT_EQ(R.Result.Constructor, "a\r\nb\r\n");
}

// Places are lines of the text given, whatever its line breaks and encoding,
// and count the lines of the listener blocks taken out before them.
TEST(Reader, PlacesAreLinesOfTheTextGiven) {
  const std::string Text =
      "<JSB>\r<JSB_DESCRIPTOR NAME=\"caf\xE9\">\r<jsb_listener a>\r\r</JSB_LISTENER>\r"
      "<JSB_PROPERTY NAME=p\rTYPE=t>\r<JSB_METHOD NAME=m><JSB_PARAMETER NAME=x>\r</JSB_METHOD>\r"
      "<JSB_CONSTRUCTOR>\rf();\r</JSB_CONSTRUCTOR>\r<JSB_LISTENER b>\r</JSB_LISTENER>"
      "<JSB_LISTENER c></JSB_LISTENER>\r<JSB_EVENT NAME=e>\r";
  const TRead R = Read(Text);
  EXPECT_EQ(R.Result.Encoding, TTextEncoding::Latin1);
  EXPECT_EQ(R.Result.Places.Descriptor.Line, 2);
  EXPECT_EQ(R.Result.Places.Listeners, (std::vector<int>{3, 13, 14}));
  EXPECT_EQ(R.Result.Places.Constructor, 11);
  std::string Lines;
  for (const TReadItem& I : R.Result.Items)
    Lines += I.Item->Name() + ":" + std::to_string(I.Place.Line) + " ";
  EXPECT_EQ(Lines, "p:6 m:8 x:8 e:15 ");
  // The span runs from '<' to just after '>' in the text the reader read.
  const TTagPlace& P = R.Result.Items[0].Place;
  EXPECT_EQ(P.End - P.Start, std::string("<JSB_PROPERTY NAME=p\r\nTYPE=t>").size());
}
