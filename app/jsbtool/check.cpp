#include "check.h"

#include <algorithm>

#include "beans/fieldcompare.h"
#include "beans/jsbwriter.h"
#include "beans/jsonwriter.h"
#include "readfile.h"

namespace {

class TComparer {
 public:
  TComparer(const TJSBReadResult& First, const TJSBReadResult& Second)
      : A(First), B(Second), FCaptionsA(First), FCaptionsB(Second) {}

  std::vector<TDifference> Run();

 private:
  void Text(const std::string& Item, const char* Field, const std::string& X, const std::string& Y);
  void Count(const std::string& Item, int X, int Y);
  template <class T>
  void Fields(const std::string& Item, const T& X, const T& Y);
  template <class T>
  void Entry(const std::string& Item, const T& X, const T& Y);
  template <class TColl>
  void Collection(const std::string& Prefix, const char* Kind, const char* Plural, const TColl& X,
                  const TColl& Y);

  const TJSBReadResult &A, &B;
  TCaptions FCaptionsA, FCaptionsB;
  std::vector<TDifference> FOut;
  int FLine = 0;  // of the tag being compared
};

std::vector<TDifference> TComparer::Run() {
  const TJSBean &X = *A.Bean, &Y = *B.Bean;
  FLine = A.Places.Descriptor.Line;
  Fields("bean", X, Y);
  Text("bean", "Caption", A.RootCaption, B.RootCaption);
  Collection("", "property", "properties", X.Properties(), Y.Properties());
  Collection("", "method", "methods", X.Methods(), Y.Methods());
  Collection("", "event", "events", X.EventSets(), Y.EventSets());
  Collection("", "interface", "interfaces", X.Interfaces(), Y.Interfaces());
  FLine = A.Places.Constructor;
  Text("constructor", "text", A.Constructor, B.Constructor);
  return std::move(FOut);
}

void TComparer::Text(const std::string& Item, const char* Field, const std::string& X,
                     const std::string& Y) {
  const std::string DX = Decoded(A, X), DY = Decoded(B, Y);
  if (DX != DY) FOut.push_back({Item, Field, JsonQuoted(DX), JsonQuoted(DY), FLine});
}

void TComparer::Count(const std::string& Item, int X, int Y) {
  if (X != Y) FOut.push_back({Item, "count", std::to_string(X), std::to_string(Y), FLine});
}

template <class T>
void TComparer::Fields(const std::string& Item, const T& X, const T& Y) {
  for (const TFieldDifference& D : CompareFields(X, Y)) {
    if (D.IsFlag)
      FOut.push_back({Item, D.Field, D.Before, D.After, FLine});
    else
      Text(Item, D.Field, D.Before, D.After);
  }
}

template <class T>
void TComparer::Entry(const std::string& Item, const T& X, const T& Y) {
  FLine = FCaptionsA.LineOf(X);
  Fields(Item, X, Y);
  Text(Item, "Caption", FCaptionsA.Of(X), FCaptionsB.Of(Y));
  if constexpr (std::is_same_v<T, TMethodDescriptor>)
    Collection(Item + " ", "parameter", "parameters", X.Parameters(), Y.Parameters());
}

// Items are matched by position; the first read's name identifies each one.
// A count that differs is placed on the tag of the list's owner.
template <class TColl>
void TComparer::Collection(const std::string& Prefix, const char* Kind, const char* Plural,
                           const TColl& X, const TColl& Y) {
  if (Prefix.empty()) FLine = A.Places.Descriptor.Line;
  Count(Prefix + Plural, X.Count(), Y.Count());
  for (int I = 0; I < std::min(X.Count(), Y.Count()); ++I) {
    const auto &ItemX = *X.Items(I), &ItemY = *Y.Items(I);
    const std::string Item =
        Prefix + Kind + " " + std::to_string(I + 1) + " " + JsonQuoted(Decoded(A, ItemX.Name()));
    Entry(Item, ItemX, ItemY);
  }
}

}  // namespace

std::string DifferenceText(const TDifference& D) {
  return D.Item + ": " + D.Field + ": " + D.Before + " -> " + D.After;
}

std::string LostText(size_t Count) {
  return std::to_string(Count) + (Count == 1 ? " value" : " values") +
         " would not survive a save and reopen";
}

std::vector<TDifference> CompareReads(const TJSBReadResult& First, const TJSBReadResult& Second) {
  return TComparer(First, Second).Run();
}

std::string SavedText(const TJSBReadResult& Read) {
  return ReopenedJSBText(*Read.Bean, Read.Constructor, Read.Encoding);
}

namespace {

// Text is normalised as a file is when it is opened (only CR LF breaks, no
// NUL, a final break), and the writer's text ends with its closing tag. So
// when the writer's text is Text without its final break, normalising it
// adds just that break back: the saved text is Text itself.
bool SavesAsRead(const TJSBReadResult& Read, std::string_view Text) {
  if (Read.Encoding != TTextEncoding::Utf8 || !Text.ends_with("\r\n")) return false;
  Text.remove_suffix(2);
  return JSBTextMatches(*Read.Bean, Read.Constructor, Text);
}

}  // namespace

std::vector<TDifference> LostInSave(const TJSBReadResult& Read, std::string Text,
                                    const std::string& FileName) {
  if (SavesAsRead(Read, Text)) return {};
  std::string().swap(Text);
  return CompareReads(Read, ReadText(SavedText(Read), FileName).Result);
}
