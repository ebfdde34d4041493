// A tag exactly as the writer lays it out is cut by the layout instead of
// searched; it must read as the same tag searched does, whatever its values.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "beans/beanfields.h"
#include "beans/jsbwriter.h"
#include "testsupport.h"

namespace {

// Values that stay on their line but may hold anything the search reacts to.
std::string RiskyValue(std::mt19937& Rng) {
  static const char* const Pieces[] = {"",      "",         "a",     "b c",       " type",
                                       "Type",  "x=y",      "\t",    "\"",        ">",
                                       " name", " isbound", "ENV",   "=",         " =",
                                       " ",     "\xc3\xa9", "NAME=", "PROPTYPE=", " displayname"};
  std::uniform_int_distribution<size_t> Pick(0, std::size(Pieces) - 1), Length(0, 3);
  std::string S;
  for (size_t N = Length(Rng); N > 0; --N)
    S += Pieces[Pick(Rng)];
  return S;
}

template <class T>
void Fill(T& Obj, std::mt19937& Rng) {
  std::bernoulli_distribution Flag(0.3), Set(0.5);
  for (const TField<T>& F : FieldsOf<T>()) {
    if (F.IsFlag())
      (Obj.*F.SetFlag)(Flag(Rng));
    else
      (Obj.*F.SetText)(Set(Rng) ? RiskyValue(Rng) : std::string());
  }
}

// The same text with one more blank before every indented line: no longer
// the writer's layout, but the same tags to the search.
std::string Reindented(std::string Text) {
  for (size_t At = Text.find("\r\n "); At != std::string::npos; At = Text.find("\r\n ", At + 4))
    Text.insert(At + 2, 1, ' ');
  return Text;
}

}  // namespace

TEST(LaidOutTags, ReadAsTheSameTagsSearched) {
  std::mt19937 Rng(4711);
  std::uniform_int_distribution<int> Count(0, 3);
  for (int Round = 0; Round < 1500; ++Round) {
    TJSBean Bean;
    Fill(Bean, Rng);
    for (int I = Count(Rng); I > 0; --I)
      Fill(*Bean.Properties().Add(), Rng);
    for (int I = Count(Rng); I > 0; --I) {
      TMethodDescriptor& M = *Bean.Methods().Add();
      Fill(M, Rng);
      for (int J = Count(Rng); J > 0; --J)
        Fill(*M.Parameters().Add(), Rng);
    }
    for (int I = Count(Rng); I > 0; --I)
      Fill(*Bean.EventSets().Add(), Rng);
    for (int I = Count(Rng); I > 0; --I)
      Fill(*Bean.Interfaces().Add(), Rng);
    const std::string Text = WriteJSBText(Bean, "f();");
    const TRead Cut = Read(Text);
    ASSERT_EQ(Describe(*Cut.Result.Bean), Describe(*Read(Reindented(Text)).Result.Bean))
        << "round " << Round << "\n"
        << Text;
    // A cut tag's lines are not counted but known from its layout.
    for (const TReadItem& Item : Cut.Result.Items)
      ASSERT_EQ(
          Item.Place.Line,
          1 + std::count(Text.begin(), Text.begin() + static_cast<long>(Item.Place.Start), '\n'))
          << "round " << Round;
  }
}
