// The value checker against the reader: what it says of a value must be what
// a save and reopen of a whole file does to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "beans/beanfields.h"
#include "beans/fieldcompare.h"
#include "beans/jsbdocument.h"
#include "beans/jsbwriter.h"
#include "beans/valuecheck.h"
#include "beans/valuemarks.h"
#include "testsupport.h"

namespace {

// Whether the whole component, written and read back, comes out the same.
bool SurvivesWhole(const TJSBean& Bean) {
  const TRead R = Read(WriteJSBText(Bean, "f();"));
  return Describe(*R.Result.Bean) == Describe(Bean) && R.Result.Constructor == "f();";
}

// The text fields of the component, its first property and its first event
// that the whole component written and read back changes, as "kind/Field";
// none when items come or go, which the losses tell as such.
std::set<std::string> ChangedWhole(const TJSBean& Bean) {
  const TRead R = Read(WriteJSBText(Bean, "f();"));
  const TJSBean& Back = *R.Result.Bean;
  std::set<std::string> Out;
  if (Back.Properties().Count() != 1 || Back.EventSets().Count() != 1) return Out;
  const auto Add = [&Out](const char* Kind, const auto& X, const auto& Y) {
    for (const TFieldDifference& D : CompareFields(X, Y))
      if (!D.IsFlag) Out.insert(std::string(Kind) + "/" + D.Field);
  };
  Add("component", Bean, Back);
  Add("property", *Bean.Properties().Items(0), *Back.Properties().Items(0));
  Add("event", *Bean.EventSets().Items(0), *Back.EventSets().Items(0));
  return Out;
}

std::set<std::string> Listed(const std::vector<TItemLoss>& Losses) {
  std::set<std::string> Out;
  for (const TItemLoss& L : Losses)
    Out.insert(L.Where.substr(0, L.Where.find(' ')) + "/" + L.Field.Field);
  return Out;
}

struct TCase {
  const char* Label;
  const char* Attribute;  // of a property named "p"
  std::string Value;
  std::string Message;                                 // empty: the value survives
  const char *Other = nullptr, *OtherValue = nullptr;  // another field of the same property
};

TEST(ValueCheck, PropertyValuesAgainstTheReader) {
  const std::vector<TCase> Cases = {
      {"plain", "DISPLAYNAME", "hello world", ""},
      {"accents and symbols", "SHORTDESCRIPTION", "caf\xC3\xA9 = 5% & 'x' <b", ""},
      {"blanks kept", "DISPLAYNAME", "  padded  ", ""},
      {"quote", "DISPLAYNAME", "say \"hi\" now",
       "A double quote ends the value early: the file will keep only 'say '"},
      {"quote in name", "NAME", "a\"b",
       "A double quote ends the value early: the file will keep only 'a'"},
      {"greater-than", "DISPLAYNAME", "a > b",
       "A '>' ends the tag early: the file will keep nothing of it"},
      {"greater-than empties later attributes", "DISPLAYNAME", "a>b",
       "A '>' ends the tag early: the file will keep nothing of it; Short description will be lost",
       "SHORTDESCRIPTION", "kept?"},
      {"greater-than in name", "NAME", "x>y",
       "A '>' ends the tag early: it will read back as 'Untitled'"},
      {"line break", "SHORTDESCRIPTION", "one\r\ntwo",
       "A line break cannot be kept in a value: the file will keep nothing of it"},
      {"lone line feed", "SHORTDESCRIPTION", "one\ntwo",
       "A line break cannot be kept in a value: the file will keep nothing of it"},
      {"tag start", "DISPLAYNAME", "see <JSB_EVENT here",
       "'<JSB_EVENT' begins a tag of its own: the file will gain an extra event"},
      {"tag start in lower case", "VALUESET", "<jsb_method",
       "'<jsb_method' begins a tag of its own: the file will gain an extra method"},
      {"parameter tag outside any method", "DISPLAYNAME", "<JSB_PARAMETER x", ""},
      {"attribute name on the last line", "SHORTDESCRIPTION", "is ISBOUND",
       "'ISBOUND' in the value reads as an attribute of its own: Bound will be set"},
      {"attribute name after a tab", "SHORTDESCRIPTION", "is\tisRuntime",
       "'isRuntime' in the value reads as an attribute of its own: Set at runtime will be set"},
      {"attribute name not on the last line", "SHORTDESCRIPTION", "is ISBOUND", "", "WRITEMETHOD",
       "setX"},
      {"attribute with a value", "WRITEMETHOD", "w TYPE=int",
       "'TYPE' in the value reads as an attribute of its own: Type will read back as 'int\"'"},
      {"prop type without type", "PROPTYPE", "JS",
       "With Type empty, the file reads this value as Type too: Type will read back as 'JS'"},
      {"prop type with type", "PROPTYPE", "JS", "", "TYPE", "number"},
      {"not this value's fault", "READMETHOD", "getX", "", "DISPLAYNAME", "a>b"},
  };
  for (const TCase& C : Cases) {
    TJSBean Bean;
    TPropertyDescriptor& P = *Bean.Properties().Add();
    P.SetName("p");
    if (C.Other) (P.*FieldByAttribute<TPropertyDescriptor>(C.Other)->SetText)(C.OtherValue);
    const std::optional<TValueLoss> Loss = CheckValue(P, C.Attribute, C.Value);
    EXPECT_EQ(Loss ? Loss->Text() : "", C.Message) << C.Label;
    // What the checker says of the value, the reader does to a whole file.
    const bool OthersSurvive = SurvivesWhole(Bean);
    (P.*FieldByAttribute<TPropertyDescriptor>(C.Attribute)->SetText)(C.Value);
    if (OthersSurvive) {
      EXPECT_EQ(SurvivesWhole(Bean), !Loss) << C.Label;
    }
  }
}

TEST(ValueCheck, OtherKindsAndWhatTheyAddOrLose) {
  TJSBean Bean;
  Bean.SetName("c");
  TMethodDescriptor& M = *Bean.Methods().Add();
  M.SetName("m");
  TParameterDescriptor& A = *M.Parameters().Add();
  A.SetName("a");
  TJSInterface& I = *Bean.Interfaces().Add();
  I.SetName("i");
  EXPECT_EQ(CheckValue(Bean, "DISPLAYNAME", "x <JSB_PROPERTY y")->Text(),
            "'<JSB_PROPERTY' begins a tag of its own: the file will gain an extra property");
  EXPECT_EQ(CheckValue(A, "DISPLAYNAME", "</JSB_METHOD>")->Outcome,
            "the file will lose a parameter");
  EXPECT_EQ(CheckValue(M, "SHORTDESCRIPTION", "<JSB_PARAMETER q")->Outcome,
            "the file will gain an extra parameter");
  EXPECT_EQ(CheckValue(I, "NAME", std::string("a\0b", 3))->Cause,
            "A NUL character ends the file's text");
  EXPECT_FALSE(CheckValue(I, "NAME", "interface one"));
  EXPECT_FALSE(CheckValue(Bean, "ISJAVA", "x\"y")) << "flags hold no text";
  EXPECT_FALSE(CheckValue(I, "TYPE", "x\"y")) << "interfaces have no type";

  // The component's list names each object and field, in the tree's order.
  Bean.SetDisplayName("say \"hi\"");
  A.SetShortDescription("1 > 0");
  const std::vector<TItemLoss> All = CheckBean(Bean);
  ASSERT_EQ(All.size(), 2u);
  EXPECT_EQ(All[0].Item, nullptr);
  EXPECT_EQ(All[0].Where + "/" + All[0].Field.Field, "component 'c'/DisplayName");
  EXPECT_EQ(All[1].Item, &A);
  EXPECT_EQ(All[1].Where + "/" + All[1].Field.Field,
            "parameter 'a' of method 'm'/ShortDescription");
  EXPECT_EQ(CheckFields(A).size(), 1u);
  EXPECT_TRUE(CheckFields(I).empty());
  // A field another value takes down is listed too.
  Bean.SetDisplayName("a>b");
  Bean.SetCustomizer("x\r\ny");
  const std::vector<TFieldLoss> Component = CheckFields(Bean);
  ASSERT_EQ(Component.size(), 2u);
  EXPECT_EQ(std::string(Component[1].Field) + ": " + Component[1].Loss.Text(),
            "Customizer: The value of Display name changes this one too: the file will keep "
            "nothing of it");
}

// Random components of risky values: a component the checker passes reads
// back unchanged as a whole, and one it faults does not.
TEST(ValueCheck, RandomComponentsAgreeWithTheReader) {
  const std::vector<std::string> Pieces = {
      "a", "b c", "\"", ">", "\r\n", " ISBOUND", "\t", "=", "<JSB_EVENT", "TYPE=", "\xC3\xA9", ""};
  std::mt19937 Rng(13);
  std::uniform_int_distribution<size_t> Pick(0, Pieces.size() - 1), Length(0, 3);
  const auto Value = [&] {
    std::string S;
    for (size_t N = Length(Rng); N > 0; --N)
      S += Pieces[Pick(Rng)];
    return S;
  };
  int Faulted = 0, Compared = 0;
  for (int Round = 0; Round < 300; ++Round) {
    TJSBean Bean;
    Bean.SetName("c");
    TPropertyDescriptor& P = *Bean.Properties().Add();
    P.SetType("t");  // so that an empty Type never reads back as the PropType
    TEventSetDescriptor& E = *Bean.EventSets().Add();
    for (const auto& F : FieldsOf<TPropertyDescriptor>())
      if (!F.IsFlag() && std::string_view(F.Attribute) != "TYPE") (P.*F.SetText)(Value());
    for (const auto& F : FieldsOf<TEventSetDescriptor>())
      if (!F.IsFlag()) (E.*F.SetText)(Value());
    const std::vector<TItemLoss> Losses = CheckBean(Bean);
    Faulted += !Losses.empty();
    ASSERT_EQ(SurvivesWhole(Bean), Losses.empty()) << "round " << Round << "\n" << Describe(Bean);
    // Every field the file changes is listed, whichever value causes it
    // (and so is a value that changes others but survives itself).
    const std::set<std::string> Changed = ChangedWhole(Bean), Told = Listed(Losses);
    Compared += !Changed.empty();
    ASSERT_TRUE(std::includes(Told.begin(), Told.end(), Changed.begin(), Changed.end()))
        << "round " << Round << "\n"
        << Describe(Bean);
  }
  EXPECT_GT(Faulted, 100);
  EXPECT_GT(Compared, 20);
}

// Plain values in a few sets of fields, each set met many times: the answer
// the checker keeps for one set of fields must hold for every object with
// the same set, whatever its values.
TEST(ValueCheck, PlainValuesAgreeWithTheReaderWhateverTheyHold) {
  const std::vector<std::string> Pieces = {"a",        "b c",      "Type",      "x env",
                                           "\xC3\xA9", "nameless", "y isbound", "Name me"};
  std::mt19937 Rng(29);
  std::uniform_int_distribution<size_t> Pick(0, Pieces.size() - 1), Choose(0, 5);
  std::bernoulli_distribution Flag(0.2), Text(0.6);
  std::vector<std::vector<bool>> Sets(6);  // which fields are set, in the field table's order
  for (std::vector<bool>& Set : Sets)
    for (const auto& F : FieldsOf<TPropertyDescriptor>())
      Set.push_back(F.IsFlag() ? Flag(Rng) : Text(Rng));
  int Faulted = 0, Clean = 0;
  for (int Round = 0; Round < 800; ++Round) {
    TJSBean Bean;
    Bean.SetName("c");
    TPropertyDescriptor& P = *Bean.Properties().Add();
    const std::vector<bool>& Set = Sets[Choose(Rng)];
    size_t I = 0;
    for (const auto& F : FieldsOf<TPropertyDescriptor>()) {
      const bool On = Set[I++];
      F.IsFlag() ? (P.*F.SetFlag)(On) : (P.*F.SetText)(On ? Pieces[Pick(Rng)] : "");
    }
    const bool Passed = CheckBean(Bean).empty();
    (Passed ? Clean : Faulted) += 1;
    ASSERT_EQ(SurvivesWhole(Bean), Passed) << "round " << Round << "\n" << Describe(Bean);
  }
  EXPECT_GT(Faulted, 50);
  EXPECT_GT(Clean, 50);
}

}  // namespace

// The marks keep one answer per object asked about, renew it once per change
// and tell only when it differs; the check before saving gives what
// CheckBean gives, whichever objects were known.
TEST(ValueMarks, AnswerOncePerChangeAndAgreeWithTheWholeCheck) {
  TJSBDocument Doc;
  Doc.Adopt(std::make_unique<TJSBean>(), TTextEncoding::Utf8);
  TValueMarks Marks(Doc);
  std::vector<const TJSB_CustomCollectionItem*> Told;
  QObject::connect(&Marks, &TValueMarks::Changed,
                   [&Told](TJSB_CustomCollectionItem* Item) { Told.push_back(Item); });
  auto* Known = Doc.AddItem(dkProperty);
  auto* Unasked = Doc.AddItem(dkProperty);
  EXPECT_TRUE(Marks.Losses(Known).empty());
  Doc.SetText(Known, "DISPLAYNAME", "say \"hi");
  Doc.SetText(Known, "DISPLAYNAME", "say \"hi there");  // the file keeps 'say ' still
  Doc.SetText(Known, "DISPLAYNAME", "plain");
  Doc.SetText(Unasked, "SHORTDESCRIPTION", "1 > 0");
  EXPECT_EQ(Told, (std::vector<const TJSB_CustomCollectionItem*>{Known, Known}));
  EXPECT_EQ(Marks.Losses(Unasked).size(), 1u);
  Doc.SetText(nullptr, "DISPLAYNAME", "a\"b");
  const auto Whole = [&] {
    std::string Out;
    for (const TItemLoss& L : CheckBean(*Doc.Bean()))
      Out += L.Where + "/" + L.Field.Field + ": " + L.Field.Loss.Text() + "\n";
    return Out;
  };
  const auto FromMarks = [&] {
    std::string Out;
    for (const TItemLoss& L : Marks.All())
      Out += L.Where + "/" + L.Field.Field + ": " + L.Field.Loss.Text() + "\n";
    return Out;
  };
  EXPECT_EQ(FromMarks(), Whole());
  EXPECT_EQ(Marks.All().size(), 2u);
  // An item taken out is forgotten with its answer: a change is not told.
  std::unique_ptr<TCollectionItem> Taken = Doc.RemoveItem(Unasked);
  Doc.SetText(Unasked, "SHORTDESCRIPTION", "plain");
  EXPECT_EQ(Told.size(), 2u);
  Doc.InsertItem(std::move(Taken), 1);
  EXPECT_EQ(FromMarks(), Whole());
  // Once the whole check has run, every object counts as known: a change
  // anywhere is told, and an item put back is checked as it comes.
  auto* Later = Doc.AddItem(dkEvent);
  Doc.SetText(Later, "DISPLAYNAME", "a > b\r\nc");
  EXPECT_EQ(Told.back(), Later);
  Taken = Doc.RemoveItem(Later);
  EXPECT_EQ(FromMarks(), Whole());
  Doc.InsertItem(std::move(Taken), 0);
  EXPECT_EQ(FromMarks(), Whole());
  EXPECT_EQ(Marks.All().size(), 2u);
}
