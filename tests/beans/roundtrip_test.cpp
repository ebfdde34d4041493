// Models written and read back must come back equal.
#include <gtest/gtest.h>

#include <random>

#include "beans/beanfields.h"
#include "beans/jsbwriter.h"
#include "testsupport.h"

namespace {

// Values the format can carry: no double quote, no '>', no line break, and no
// blank or tab that could put an attribute name after it.
std::string RandomValue(std::mt19937& Rng) {
  static const std::string Ascii = "abcxyzABCXYZ0189._-:;,()[]{}/\\=!?*&%$#@+|~^'`";
  static const char* const Wide[] = {"\xc3\xa9", "\xc3\xbc", "\xc3\xbf", "\xe2\x82\xac"};
  std::uniform_int_distribution<int> Len(0, 12), Pick(0, int(Ascii.size()) + 3);
  std::uniform_int_distribution<int> Coin(0, 3);
  if (Coin(Rng) == 0) return "";
  std::string S;
  for (int I = Len(Rng); I > 0; --I) {
    const auto P = size_t(Pick(Rng));
    S += P < Ascii.size() ? std::string(1, Ascii[P]) : std::string(Wide[P - Ascii.size()]);
  }
  return S;
}

template <class T>
void Randomise(T& Obj, std::mt19937& Rng) {
  std::bernoulli_distribution Flag(0.5);
  for (const TField<T>& F : FieldsOf<T>()) {
    if (F.IsFlag())
      (Obj.*F.SetFlag)(Flag(Rng));
    else
      (Obj.*F.SetText)(RandomValue(Rng));
  }
}

void RandomBean(TJSBean& Bean, std::mt19937& Rng) {
  std::uniform_int_distribution<int> Count(0, 4);
  Randomise(Bean, Rng);
  for (int I = Count(Rng); I > 0; --I)
    Randomise(*Bean.Properties().Add(), Rng);
  for (int I = Count(Rng); I > 0; --I) {
    TMethodDescriptor* M = Bean.Methods().Add();
    Randomise(*M, Rng);
    for (int J = Count(Rng); J > 0; --J)
      Randomise(*M->Parameters().Add(), Rng);
  }
  for (int I = Count(Rng); I > 0; --I)
    Randomise(*Bean.EventSets().Add(), Rng);
  for (int I = Count(Rng); I > 0; --I)
    Randomise(*Bean.Interfaces().Add(), Rng);
}

// The one value that does not survive: an empty Type beside a PropType reads
// back as the PropType, since TYPE= is found inside PROPTYPE=.
void ExpectedAfterReading(TJSBean& Bean) {
  for (int I = 0; I < Bean.Properties().Count(); ++I) {
    TPropertyDescriptor& P = *Bean.Properties().Items(I);
    if (P.Type().empty()) P.SetType(P.PropType());
  }
}

}  // namespace

TEST(RoundTrip, RandomModelsReadBackEqual) {
  std::mt19937 Rng(20261208);
  std::uniform_int_distribution<int> Lines(0, 5);
  for (int Round = 0; Round < 500; ++Round) {
    TJSBean Bean;
    RandomBean(Bean, Rng);
    std::string Ctor;
    for (int L = Lines(Rng); L > 0; --L)
      Ctor += "\tline " + RandomValue(Rng) + "\r\n";
    if (Round % 3 == 0 && !Ctor.empty()) Ctor.resize(Ctor.size() - 2);  // no final break
    const TRead R = Read(WriteJSBText(Bean, Ctor));
    ExpectedAfterReading(Bean);
    ASSERT_EQ(Describe(*R.Result.Bean), Describe(Bean)) << "round " << Round;
    ASSERT_EQ(R.Result.Constructor, Ctor) << "round " << Round;
    EXPECT_TRUE(R.Notices.empty());
    size_t Expected = size_t(Bean.Properties().Count() + Bean.Methods().Count() +
                             Bean.EventSets().Count() + Bean.Interfaces().Count());
    for (int I = 0; I < Bean.Methods().Count(); ++I)
      Expected += size_t(Bean.Methods().Items(I)->Parameters().Count());
    ASSERT_EQ(R.Result.Items.size(), Expected);
    for (const TReadItem& Item : R.Result.Items)
      EXPECT_EQ(Item.Caption(), Item.Item->Name());
    EXPECT_EQ(R.Result.RootCaption, Bean.Name());
  }
}

TEST(RoundTrip, OpenAndSaveChangesNoByte) {
  std::mt19937 Rng(7);
  for (int Round = 0; Round < 200; ++Round) {
    TJSBean Bean;
    RandomBean(Bean, Rng);
    bool Lossless = true;
    for (int I = 0; I < Bean.Properties().Count(); ++I) {
      const TPropertyDescriptor& P = *Bean.Properties().Items(I);
      Lossless = Lossless && !(P.Type().empty() && !P.PropType().empty());
    }
    const std::string First = WriteJSBText(Bean, "function f() {\r\n}\r\n\r\n   ");
    const TRead R1 = Read(First);
    const std::string Second = WriteJSBText(*R1.Result.Bean, R1.Result.Constructor);
    const TRead R2 = Read(Second);
    const std::string Third = WriteJSBText(*R2.Result.Bean, R2.Result.Constructor);
    if (Lossless) {
      ASSERT_EQ(Second, First) << "round " << Round;
    }
    ASSERT_EQ(Third, Second) << "round " << Round;  // settled after one save at most
  }
}
