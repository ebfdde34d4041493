// The model's JSON as a recovery copy uses it: every value back exactly, made
// in steps as in one, and what is left of a cut copy readable up to its last
// whole item.
#include <gtest/gtest.h>

#include "beans/beanfields.h"
#include "beans/modelinput.h"
#include "beans/modeljson.h"
#include "testsupport.h"

namespace {

// Values no JSB file could keep, one per field in turn.
const std::vector<std::string> Awkward = {"a>b",
                                          "x\r\ny",
                                          "say \"hi\"",
                                          "\xEF\xBB\xBFmark",
                                          std::string("nul\0end", 7),
                                          "</JSB_CONSTRUCTOR>",
                                          "caf\xC3\xA9 \xF0\x9F\x98\x80",
                                          "  padded  ",
                                          ""};

template <class T>
void Fill(T& Obj, size_t& Next) {
  for (const TField<T>& F : FieldsOf<T>()) {
    if (F.IsFlag())
      (Obj.*F.SetFlag)(Next % 2);
    else
      (Obj.*F.SetText)(Awkward[Next % Awkward.size()] + std::to_string(Next));
    ++Next;
  }
}

std::unique_ptr<TJSBean> AwkwardBean(int Items) {
  auto Bean = std::make_unique<TJSBean>();
  size_t Next = 0;
  Fill(*Bean, Next);
  for (int I = 0; I < Items; ++I) {
    Fill(*Bean->Properties().Add(), Next);
    TMethodDescriptor& Method = *Bean->Methods().Add();
    Fill(Method, Next);
    for (int J = 0; J < I % 3; ++J)
      Fill(*Method.Parameters().Add(), Next);
    Fill(*Bean->EventSets().Add(), Next);
    Fill(*Bean->Interfaces().Add(), Next);
  }
  return Bean;
}

// Each item's caption is empty when its position is even: a tag without a
// name.
std::string Json(const TJSBean& Bean, int ItemsPerStep, TTextEncoding Encoding) {
  int Counter = 0;
  TModelJsonBuilder Builder(Bean, std::string("f();\r\n</JSB_CONSTRUCTOR>\0x", 25), Encoding,
                            "root \"caption\"", [&Counter](const TJSB_CustomCollectionItem& Item) {
                              return Counter++ % 2 ? Item.Name() : std::string();
                            });
  std::string Text;
  while (!Builder.Step(ItemsPerStep))
    for (const std::string& Block : Builder.TakeBlocks())
      Text += Block;
  for (const std::string& Block : std::move(Builder).Finish())
    Text += Block;
  return Text;
}

TEST(ModelJson, KeepsEveryValueCaptionAndTheConstructorExactly) {
  const std::unique_ptr<TJSBean> Bean = AwkwardBean(6);
  for (const TTextEncoding Encoding : {TTextEncoding::Utf8, TTextEncoding::Latin1}) {
    const std::string Text = Json(*Bean, 1, Encoding);
    EXPECT_EQ(Json(*Bean, 100000, Encoding), Text);
    const TJSBReadResult Back = ParseModel(Text, TModelReading::Exact);
    EXPECT_EQ(Describe(*Back.Bean), Describe(*Bean));
    EXPECT_EQ(Back.Constructor, std::string("f();\r\n</JSB_CONSTRUCTOR>\0x", 25));
    EXPECT_EQ(Back.Encoding, Encoding);
    EXPECT_EQ(Back.RootCaption, "root \"caption\"");
    ASSERT_EQ(Back.Items.size(), 30u);  // 6 each of four kinds and 6 parameters
    for (size_t I = 0; I < Back.Items.size(); ++I)
      EXPECT_EQ(Back.Items[I].NameRead, I % 2 == 1) << I;
    EXPECT_EQ(Back.Items[8].Kind, dkParameter);  // method 2's
  }
  // Read for a file, the same text is refused: a file cannot hold a NUL.
  EXPECT_THROW(ParseModel(Json(*Bean, 1, TTextEncoding::Utf8)), EModelError);
}

// Cut anywhere, a copy gives back the items before the cut whole and
// nothing made up; cut inside its head, nothing.
TEST(ModelJson, WhatIsLeftOfACutModelIsItsWholeItems) {
  const std::unique_ptr<TJSBean> Bean = AwkwardBean(3);
  const std::string Text = Json(*Bean, 1, TTextEncoding::Utf8);
  const std::string Whole = Describe(*Bean);
  size_t Longest = 0;
  for (size_t Cut = 0; Cut <= Text.size(); Cut += 7) {
    const std::string Left = SalvagedModelJson(Text.substr(0, Cut), Cut);
    if (Left.empty()) {
      EXPECT_LT(Cut, Text.find("\"properties\"")) << Cut;
      continue;
    }
    const TJSBReadResult Back = ParseModel(Left, TModelReading::Exact);
    const std::string Got = Describe(*Back.Bean);
    // What came back is the start of each list and the component's own
    // fields once they are whole: every line of it is in the whole model's
    // description, or of the empty component's.
    for (size_t At = 0, End; (End = Got.find('\n', At)) != std::string::npos; At = End + 1) {
      const std::string Line = Got.substr(At, End - At + 1);
      ASSERT_TRUE(
          Whole.find(Line) != std::string::npos ||
          (Line.starts_with("bean.") && Describe(TJSBean()).find(Line) != std::string::npos))
          << Cut << ": " << Line;
    }
    EXPECT_GE(Got.size(), Longest) << Cut;
    Longest = Got.size();
  }
  EXPECT_EQ(Longest, Whole.size());
  // Damage after a point keeps what comes before it.
  std::string Flipped = Text;
  Flipped[Text.find("\"events\"") + 3] = '"';
  try {
    ParseModel(Flipped, TModelReading::Exact);
    FAIL() << "damaged text accepted";
  } catch (const EModelError& E) {
    const TJSBReadResult Back =
        ParseModel(SalvagedModelJson(Flipped, E.Offset()), TModelReading::Exact);
    EXPECT_EQ(Back.Bean->Methods().Count(), 3);
    EXPECT_EQ(Back.Bean->EventSets().Count(), 0);
  }
}

}  // namespace
