// Any bytes, read, written, read and written again: the two writes are equal,
// so a save settles after one save. Models holding a value the format cannot
// carry are recognised and skipped.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "beans/beanfields.h"
#include "beans/jsbreader.h"
#include "beans/jsbwriter.h"
#include "fuzzsupport.h"
#include "widgets/messages.h"
#include "widgets/textfile.h"
#include "widgets/textutils.h"

namespace {

class TQuietMessages : public TMessageHandler {
 public:
  void Info(const std::string&) override {}
  short Confirm(const std::string&) override { return mrCancel; }
};

TJSBReadResult ReadAsFile(std::string Bytes) {
  TQuietMessages Quiet;
  TScopedMessageHandler Scope(&Quiet);
  return ReadJSBText(NormaliseLineBreaks(std::move(Bytes)), "fuzz.jsb");
}

template <class T>
void AddPatterns(std::set<std::string>& Patterns) {
  for (const TField<T>& F : FieldsOf<T>()) {
    const std::string N = F.Attribute;
    Patterns.insert({" " + N, "\t" + N, N + "=", N + " ="});
  }
}

// What finds an attribute in a tag's text (attribute names are upper case).
const std::vector<std::string>& AttributePatterns() {
  static const std::vector<std::string> Patterns = [] {
    std::set<std::string> P;
    AddPatterns<TJSBean>(P);
    AddPatterns<TPropertyDescriptor>(P);
    AddPatterns<TMethodDescriptor>(P);
    AddPatterns<TParameterDescriptor>(P);
    AddPatterns<TEventSetDescriptor>(P);
    AddPatterns<TJSInterface>(P);
    return std::vector<std::string>(P.begin(), P.end());
  }();
  return Patterns;
}

// A double quote, a '>' or a line break ends the value early, a tag start is
// found as a tag, and an attribute name after a blank or before an equals
// sign is found as that attribute.
bool Holdable(const std::string& Value) {
  const std::string U = UpperCaseAscii(Value);
  if (U.find_first_of("\">\r\n") != std::string::npos || U.find("<JSB") != std::string::npos)
    return false;
  for (const std::string& Pattern : AttributePatterns())
    if (U.find(Pattern) != std::string::npos) return false;
  return true;
}

template <class T>
bool FieldsHoldable(const T& Obj) {
  for (const TField<T>& F : FieldsOf<T>())
    if (!F.IsFlag() && !Holdable((Obj.*F.GetText)())) return false;
  if constexpr (std::is_same_v<T, TPropertyDescriptor>)
    return !(Obj.Type().empty() && !Obj.PropType().empty());  // TYPE= is found in PROPTYPE=
  return true;
}

bool ModelHoldable(const TJSBReadResult& R) {
  if (!FieldsHoldable(*R.Bean)) return false;
  for (const TReadItem& I : R.Items) {
    const bool Ok =
        I.Kind == dkProperty    ? FieldsHoldable(*static_cast<TPropertyDescriptor*>(I.Item))
        : I.Kind == dkMethod    ? FieldsHoldable(*static_cast<TMethodDescriptor*>(I.Item))
        : I.Kind == dkParameter ? FieldsHoldable(*static_cast<TParameterDescriptor*>(I.Item))
        : I.Kind == dkEvent     ? FieldsHoldable(*static_cast<TEventSetDescriptor*>(I.Item))
                                : FieldsHoldable(*static_cast<TJSInterface*>(I.Item));
    if (!Ok) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const TJSBReadResult First = ReadAsFile(std::string(reinterpret_cast<const char*>(Data), Size));
  const std::string Saved = WriteJSBText(*First.Bean, First.Constructor);
  if (!ModelHoldable(First)) return 0;
  const TJSBReadResult Second = ReadAsFile(Saved);
  FUZZ_CHECK(Second.Valid);
  FUZZ_CHECK(Second.Items.size() == First.Items.size());
  FUZZ_CHECK(WriteJSBText(*Second.Bean, Second.Constructor) == Saved);
  return 0;
}
