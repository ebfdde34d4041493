#include "valuecheck.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <unordered_map>

#include "../widgets/messages.h"
#include "beanfields.h"
#include "encoding.h"
#include "fieldcompare.h"
#include "jsbreader.h"
#include "jsbwriter.h"
#include "tagscan.h"

namespace {

constexpr auto npos = std::string_view::npos;

// The messages are the designed English texts, in the user's language where
// the program installed a catalogue; a field is named by its page's label.
std::string Said(const char* Text, std::initializer_list<std::string_view> Arguments = {}) {
  return WithArguments(QCoreApplication::translate("TValueCheck", Text), Arguments);
}
std::string LabelOf(const char* Label) {
  return QCoreApplication::translate("TField", Label).toStdString();
}

// How each kind of object is named in messages, %1 its quoted name.
template <class T>
constexpr const char* KindName = nullptr;
template <>
constexpr const char* KindName<TJSBean> = QT_TRANSLATE_NOOP("TValueCheck", "component %1");
template <>
constexpr const char* KindName<TPropertyDescriptor> = QT_TRANSLATE_NOOP("TValueCheck",
                                                                        "property %1");
template <>
constexpr const char* KindName<TMethodDescriptor> = QT_TRANSLATE_NOOP("TValueCheck", "method %1");
template <>
constexpr const char* KindName<TParameterDescriptor> = QT_TRANSLATE_NOOP("TValueCheck",
                                                                         "parameter %1");
template <>
constexpr const char* KindName<TEventSetDescriptor> = QT_TRANSLATE_NOOP("TValueCheck", "event %1");
template <>
constexpr const char* KindName<TJSInterface> = QT_TRANSLATE_NOOP("TValueCheck", "interface %1");

// The items of a read, kind by kind, and the constructor: what a value can
// add to or take from a file besides its own item.
struct TShape {
  std::array<int, 5> Counts{};  // properties, methods, parameters of the first method, events,
                                // interfaces
  std::string Constructor;
  bool operator==(const TShape&) const = default;
};
// A file that gains or loses one item of each kind of the shape.
constexpr std::array<const char*, 5> GainsOne = {
    QT_TRANSLATE_NOOP("TValueCheck", "the file will gain an extra property"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will gain an extra method"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will gain an extra parameter"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will gain an extra event"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will gain an extra interface")};
constexpr std::array<const char*, 5> LosesOne = {
    QT_TRANSLATE_NOOP("TValueCheck", "the file will lose a property"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will lose a method"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will lose a parameter"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will lose an event"),
    QT_TRANSLATE_NOOP("TValueCheck", "the file will lose an interface")};

TShape ShapeOf(const TJSBean& Bean, const std::string& Constructor) {
  const auto& Methods = Bean.Methods();
  return {{Bean.Properties().Count(), Methods.Count(),
           Methods.Count() ? Methods.Items(0)->Parameters().Count() : 0, Bean.EventSets().Count(),
           Bean.Interfaces().Count()},
          Constructor};
}

template <class T>
auto& CollectionOf(const TJSBean& Bean) {
  if constexpr (std::is_same_v<T, TPropertyDescriptor>) return Bean.Properties();
  if constexpr (std::is_same_v<T, TMethodDescriptor>) return Bean.Methods();
  if constexpr (std::is_same_v<T, TEventSetDescriptor>) return Bean.EventSets();
  if constexpr (std::is_same_v<T, TJSInterface>) return Bean.Interfaces();
}

// The first object of T's kind in Bean: where a probe keeps its copy, and
// where the read of a probe has it.
template <class T>
const T* FirstOf(const TJSBean& Bean) {
  if constexpr (std::is_same_v<T, TJSBean>) {
    return &Bean;
  } else if constexpr (std::is_same_v<T, TParameterDescriptor>) {
    if (!Bean.Methods().Count()) return nullptr;
    const auto& Parameters = Bean.Methods().Items(0)->Parameters();
    return Parameters.Count() ? Parameters.Items(0) : nullptr;
  } else {
    const auto& Items = CollectionOf<T>(Bean);
    return Items.Count() ? Items.Items(0) : nullptr;
  }
}

// A place for an object of T's kind in an otherwise empty component: the
// component itself, or one item (a parameter under a method of its own).
template <class T>
T& Holder(TJSBean& Bean) {
  if constexpr (std::is_same_v<T, TJSBean>) {
    return Bean;
  } else if constexpr (std::is_same_v<T, TParameterDescriptor>) {
    TMethodDescriptor* Method = Bean.Methods().Add();
    Method->SetName("m");
    return *Method->Parameters().Add();
  } else {
    return *CollectionOf<T>(Bean).Add();
  }
}

// Obj's flags into Copy, and its text fields as TextOf gives them.
template <class T, class F>
void CopyFields(const T& Obj, T& Copy, const F& TextOf) {
  for (const TField<T>& Field : FieldsOf<T>()) {
    if (Field.IsFlag())
      (Copy.*Field.SetFlag)((Obj.*Field.GetFlag)());
    else
      (Copy.*Field.SetText)(TextOf(Field));
  }
}

// A component holding a copy of Obj, with one text field replaced when an
// attribute is given, and what the reader makes of its saved text.
template <class T>
class TProbe {
 public:
  TProbe(const T& Obj, std::string_view Attribute, const std::string& Value) {
    T& Copy = Holder<T>(*FBean);
    CopyFields(Obj, Copy, [&](const TField<T>& F) -> const std::string& {
      return F.Attribute == Attribute ? Value : (Obj.*F.GetText)();
    });
    FWritten = &Copy;
    FRead = ReadJSBText(ReopenedJSBText(*FBean, {}, TTextEncoding::Utf8), std::string());
  }

  const T& Written() const { return *FWritten; }
  const T* Read() const { return FirstOf<T>(*FRead.Bean); }
  TShape WrittenShape() const { return ShapeOf(*FBean, {}); }
  TShape ReadShape() const { return ShapeOf(*FRead.Bean, FRead.Constructor); }
  bool Intact() const {
    return Read() && CompareFields(Written(), *Read()).empty() && ReadShape() == WrittenShape();
  }

 private:
  std::unique_ptr<TJSBean> FBean = std::make_unique<TJSBean>();
  const T* FWritten = nullptr;
  TJSBReadResult FRead;
};

std::string Quoted(std::string_view Text) {
  std::string Out(1, '\'');
  Out.append(Text);
  Out += '\'';
  return Out;
}

// A list joined with ", " ends with "and" before its last part.
std::string Joined(const std::vector<std::string>& Parts, const char* Separator) {
  const bool Listed = std::string_view(Separator) == ", " && Parts.size() > 1;
  std::string Out;
  for (size_t I = 0; I + (Listed ? 1 : 0) < Parts.size(); ++I)
    Out += (I ? Separator : "") + Parts[I];
  return Listed ? Said(QT_TRANSLATE_NOOP("TValueCheck", "%1 and %2"), {Out, Parts.back()}) : Out;
}

std::string OwnOutcome(const std::string& Value, const std::string& Got) {
  if (Got.empty())
    return Said(QT_TRANSLATE_NOOP("TValueCheck", "the file will keep nothing of it"));
  if (Value.starts_with(Got))
    return Said(QT_TRANSLATE_NOOP("TValueCheck", "the file will keep only %1"), {Quoted(Got)});
  return Said(QT_TRANSLATE_NOOP("TValueCheck", "it will read back as %1"), {Quoted(Got)});
}

// The markup in Value that the reader trips over first, in plain words.
std::string CauseIn(std::string_view Value, std::string_view Attribute,
                    const std::vector<TFieldDifference>& Others) {
  const size_t Break = Value.find_first_of(std::string_view("\r\n\0", 3));
  const size_t Quote = Value.find('"'), Close = Value.find('>');
  const size_t First = std::min({Break, Quote, Close});
  if (First == Quote && Quote != npos)
    return Said(QT_TRANSLATE_NOOP("TValueCheck", "A double quote ends the value early"));
  if (First == Close && Close != npos)
    return Said(QT_TRANSLATE_NOOP("TValueCheck", "A '>' ends the tag early"));
  if (First != npos && Value[First] == '\0')
    return Said(QT_TRANSLATE_NOOP("TValueCheck", "A NUL character ends the file's text"));
  if (First != npos)
    return Said(QT_TRANSLATE_NOOP("TValueCheck", "A line break cannot be kept in a value"));
  if (const size_t Tag = FindFolded(Value, "<JSB"); Tag != npos) {
    size_t End = Tag + 1;
    while (End < Value.size() &&
           (std::isalnum(static_cast<unsigned char>(Value[End])) || Value[End] == '_'))
      ++End;
    return Said(QT_TRANSLATE_NOOP("TValueCheck", "%1 begins a tag of its own"),
                {Quoted(Value.substr(Tag, End - Tag))});
  }
  for (const TFieldDifference& D : Others)
    if (const size_t At = FindFolded(Value, D.Attribute); At != npos)
      return Said(
          QT_TRANSLATE_NOOP("TValueCheck", "%1 in the value reads as an attribute of its own"),
          {Quoted(Value.substr(At, std::string_view(D.Attribute).size()))});
  for (const TFieldDifference& D : Others)
    if (Attribute.ends_with(D.Attribute))
      return Said(
          QT_TRANSLATE_NOOP("TValueCheck", "With %1 empty, the file reads this value as %1 too"),
          {LabelOf(D.Label)});
  return Said(QT_TRANSLATE_NOOP("TValueCheck", "Reading the file again changes this item"));
}

// What the other fields of the object come back as.
void OtherOutcomes(const std::vector<TFieldDifference>& Others, std::vector<std::string>& Parts) {
  std::vector<std::string> Lost;
  for (const TFieldDifference& D : Others) {
    if (D.IsFlag ? D.After == "false" : D.After.empty())
      Lost.push_back(LabelOf(D.Label));
    else if (D.IsFlag)
      Parts.push_back(Said(QT_TRANSLATE_NOOP("TValueCheck", "%1 will be set"), {LabelOf(D.Label)}));
    else
      Parts.push_back(Said(QT_TRANSLATE_NOOP("TValueCheck", "%1 will read back as %2"),
                           {LabelOf(D.Label), Quoted(D.After)}));
  }
  if (!Lost.empty())
    Parts.push_back(
        Said(QT_TRANSLATE_NOOP("TValueCheck", "%1 will be lost"), {Joined(Lost, ", ")}));
}

// Items gained or lost, and a changed constructor, that the value causes.
void ShapeOutcomes(const TShape& Written, const TShape& With, const TShape& Without,
                   std::vector<std::string>& Parts) {
  for (size_t K = 0; K < GainsOne.size(); ++K) {
    if (With.Counts[K] == Written.Counts[K] || With.Counts[K] == Without.Counts[K]) continue;
    const int Delta = With.Counts[K] - Written.Counts[K];
    if (Delta == 1)
      Parts.push_back(Said(GainsOne[K]));
    else if (Delta == -1)
      Parts.push_back(Said(LosesOne[K]));
    else if (Delta > 0)
      Parts.push_back(Said(QT_TRANSLATE_NOOP("TValueCheck", "the file will gain %1 extra items"),
                           {std::to_string(Delta)}));
    else
      Parts.push_back(Said(QT_TRANSLATE_NOOP("TValueCheck", "the file will lose %1 items"),
                           {std::to_string(-Delta)}));
  }
  if (With.Constructor != Written.Constructor && With.Constructor != Without.Constructor)
    Parts.push_back(Said(QT_TRANSLATE_NOOP("TValueCheck", "the constructor will change")));
}

// Whether Value can change nothing but itself in a written tag: no markup, no
// line break, no tab or '=', no blank-led attribute name of its kind (the
// only way a name in a quoted value can be read) and nothing the encoding
// would change.
template <class T>
bool IsPlain(std::string_view Value) {
  static const TAttributeScanner Names = [] {
    std::vector<std::string_view> Attributes;
    for (const TField<T>& F : FieldsOf<T>())
      Attributes.emplace_back(F.Attribute);
    return TAttributeScanner(Attributes);
  }();
  if (Value.find_first_of(std::string_view("\"<>=\t\r\n\0", 8)) != npos) return false;
  return !Names.HoldsBlankLedName(Value) && IsValidUtf8(Value);
}

// Which of Obj's fields are set, with Attribute taken to hold Value when one
// is given; none when a value set is not plain.
template <class T>
std::optional<uint32_t> PlainFieldsSet(const T& Obj, std::string_view Attribute = {},
                                       const std::string* Value = nullptr) {
  uint32_t Set = 0, Bit = 1;
  for (const TField<T>& F : FieldsOf<T>()) {
    if (F.IsFlag()) {
      if ((Obj.*F.GetFlag)()) Set |= Bit;
    } else {
      const std::string& Text = Value && Attribute == F.Attribute ? *Value : (Obj.*F.GetText)();
      if (!Text.empty() && !IsPlain<T>(Text)) return std::nullopt;
      if (!Text.empty()) Set |= Bit;
    }
    Bit <<= 1;
  }
  return Set;
}

// Plain values are written the same way whatever they hold, and the reader
// finds each at its own place, so whether an object of them reads back
// intact depends only on which fields are set: the reader is asked once for
// each kind and set of fields, not once per object and keystroke.
template <class T>
bool SurelyIntact(const T& Obj, std::string_view Attribute = {},
                  const std::string* Value = nullptr) {
  const std::optional<uint32_t> Set = PlainFieldsSet(Obj, Attribute, Value);
  if (!Set) return false;
  thread_local std::unordered_map<uint32_t, bool> Known;
  const auto [At, New] = Known.try_emplace(*Set, false);
  if (New) At->second = TProbe<T>(Obj, Attribute, Value ? *Value : std::string()).Intact();
  return At->second;
}

// Values that each break an object on their own blame one another when they
// stand together, since emptying either leaves the loss: then each value that
// is not plain is checked with the others of its kind emptied.
template <class T>
std::vector<TFieldLoss> EachOnItsOwn(const T& Obj) {
  std::vector<TFieldLoss> Out;
  for (const TField<T>& F : FieldsOf<T>()) {
    if (F.IsFlag() || IsPlain<T>((Obj.*F.GetText)())) continue;
    TJSBean Scratch;
    T& Alone = Holder<T>(Scratch);
    const std::string None;
    CopyFields(Obj, Alone, [&](const TField<T>& G) -> const std::string& {
      const std::string& Text = (Obj.*G.GetText)();
      return &G == &F || IsPlain<T>(Text) ? Text : None;
    });
    if (std::optional<TValueLoss> Loss = CheckValue(Alone, F.Attribute, (Obj.*F.GetText)()))
      Out.push_back({F.Attribute, F.Name, F.Label, std::move(*Loss)});
  }
  return Out;
}

// The text fields the object's own read-back changes that no loss of its
// own explains: another value of the object changes them, and they are lost
// all the same. Out stays in the field table's order.
template <class T>
void AddChangedByOthers(const T& Obj, const TProbe<T>& Whole, std::vector<TFieldLoss>& Out) {
  std::vector<std::string> Causes;
  for (const TFieldLoss& L : Out)
    Causes.push_back(LabelOf(L.Label));
  if (Causes.empty()) return;
  const std::string Cause =
      Said(QT_TRANSLATE_NOOP("TValueCheck", "The value of %1 changes this one too"),
           {Joined(Causes, ", ")});
  std::vector<TFieldLoss> All;
  for (const TField<T>& F : FieldsOf<T>()) {
    if (F.IsFlag()) continue;
    const auto Own = std::find_if(Out.begin(), Out.end(), [&F](const TFieldLoss& L) {
      return std::string_view(L.Attribute) == F.Attribute;
    });
    const std::string& Value = (Obj.*F.GetText)();
    const std::string Got = Whole.Read() ? (*Whole.Read().*F.GetText)() : std::string();
    if (Own != Out.end())
      All.push_back(std::move(*Own));
    else if (Got != Value)
      All.push_back({F.Attribute, F.Name, F.Label, {Cause, OwnOutcome(Value, Got)}});
  }
  Out = std::move(All);
}

template <class T>
std::vector<TFieldLoss> FieldsOfObject(const T& Obj) {
  if (SurelyIntact(Obj)) return {};
  const TProbe<T> Whole(Obj, {}, {});
  if (Whole.Intact()) return {};
  std::vector<TFieldLoss> Out;
  for (const TField<T>& F : FieldsOf<T>()) {
    if (F.IsFlag()) continue;
    if (std::optional<TValueLoss> Loss = CheckValue(Obj, F.Attribute, (Obj.*F.GetText)()))
      Out.push_back({F.Attribute, F.Name, F.Label, std::move(*Loss)});
  }
  if (Out.empty()) Out = EachOnItsOwn(Obj);
  AddChangedByOthers(Obj, Whole, Out);
  return Out;
}

// Where names the object; it is asked only for an object with losses.
template <class TWhere>
void Collect(const TObjectLosses& Fields, const TJSB_CustomCollectionItem* Item,
             const TWhere& Where, std::vector<TItemLoss>& Out) {
  std::vector<TFieldLoss> Losses = Fields(Item);
  if (Losses.empty()) return;
  const std::string Place = Where();
  for (TFieldLoss& Loss : Losses)
    Out.push_back({Item, Place, std::move(Loss)});
}

template <class T>
std::string Where(const T& Obj) {
  return Said(KindName<T>, {Quoted(Obj.Name())});
}

template <class TColl>
void CollectAll(const TObjectLosses& Fields, const TColl& Items, std::vector<TItemLoss>& Out) {
  for (int I = 0; I < Items.Count(); ++I)
    Collect(
        Fields, Items.Items(I), [&] { return Where(*Items.Items(I)); }, Out);
}

}  // namespace

template <class T>
std::optional<TValueLoss> CheckValue(const T& Obj, std::string_view Attribute,
                                     const std::string& Value) {
  const TField<T>* F = FieldByAttribute<T>(Attribute);
  if (!F || F->IsFlag() || Value.empty()) return std::nullopt;
  if (SurelyIntact(Obj, Attribute, &Value)) return std::nullopt;
  const TProbe<T> With(Obj, Attribute, Value);
  if (With.Intact()) return std::nullopt;
  const TProbe<T> Without(Obj, Attribute, std::string());
  std::vector<std::string> Parts;
  std::vector<TFieldDifference> Others;
  if (const T* Back = With.Read()) {
    const std::string& Got = (Back->*F->GetText)();
    // A field that the other values break whatever it holds is theirs to report.
    const TProbe<T> Plain(Obj, Attribute, "x");
    if (Got != Value && Plain.Read() && (Plain.Read()->*F->GetText)() == "x")
      Parts.push_back(OwnOutcome(Value, Got));
    const std::vector<TFieldDifference> Base =
        Without.Read() ? CompareFields(*Without.Read(), *Back) : std::vector<TFieldDifference>();
    for (const TFieldDifference& D : CompareFields(With.Written(), *Back)) {
      const bool FromValue =
          !Without.Read() || std::any_of(Base.begin(), Base.end(), [&](const auto& B) {
            return std::string_view(B.Attribute) == D.Attribute;
          });
      if (std::string_view(D.Attribute) != F->Attribute && FromValue) Others.push_back(D);
    }
    OtherOutcomes(Others, Parts);
  }
  ShapeOutcomes(With.WrittenShape(), With.ReadShape(), Without.ReadShape(), Parts);
  if (Parts.empty()) return std::nullopt;
  return TValueLoss{CauseIn(Value, Attribute, Others), Joined(Parts, "; ")};
}

template std::optional<TValueLoss> CheckValue(const TJSBean&, std::string_view, const std::string&);
template std::optional<TValueLoss> CheckValue(const TPropertyDescriptor&, std::string_view,
                                              const std::string&);
template std::optional<TValueLoss> CheckValue(const TMethodDescriptor&, std::string_view,
                                              const std::string&);
template std::optional<TValueLoss> CheckValue(const TParameterDescriptor&, std::string_view,
                                              const std::string&);
template std::optional<TValueLoss> CheckValue(const TEventSetDescriptor&, std::string_view,
                                              const std::string&);
template std::optional<TValueLoss> CheckValue(const TJSInterface&, std::string_view,
                                              const std::string&);

std::vector<TFieldLoss> CheckFields(const TJSBean& Bean) {
  return FieldsOfObject(Bean);
}

std::vector<TFieldLoss> CheckFields(const TJSB_CustomCollectionItem& Item) {
  if (auto* P = dynamic_cast<const TPropertyDescriptor*>(&Item)) return FieldsOfObject(*P);
  if (auto* M = dynamic_cast<const TMethodDescriptor*>(&Item)) return FieldsOfObject(*M);
  if (auto* A = dynamic_cast<const TParameterDescriptor*>(&Item)) return FieldsOfObject(*A);
  if (auto* E = dynamic_cast<const TEventSetDescriptor*>(&Item)) return FieldsOfObject(*E);
  if (auto* I = dynamic_cast<const TJSInterface*>(&Item)) return FieldsOfObject(*I);
  return {};
}

std::vector<TItemLoss> CheckBean(const TJSBean& Bean) {
  return CheckBean(Bean, [&Bean](const TJSB_CustomCollectionItem* Item) {
    return Item ? CheckFields(*Item) : CheckFields(Bean);
  });
}

std::vector<TItemLoss> CheckBean(const TJSBean& Bean, const TObjectLosses& Fields) {
  std::vector<TItemLoss> Out;
  Collect(
      Fields, nullptr, [&] { return Where(Bean); }, Out);
  CollectAll(Fields, Bean.Properties(), Out);
  for (int I = 0; I < Bean.Methods().Count(); ++I) {
    const TMethodDescriptor& Method = *Bean.Methods().Items(I);
    Collect(
        Fields, &Method, [&] { return Where(Method); }, Out);
    for (int J = 0; J < Method.Parameters().Count(); ++J) {
      const TParameterDescriptor& Parameter = *Method.Parameters().Items(J);
      Collect(
          Fields, &Parameter,
          [&] {
            return Said(QT_TRANSLATE_NOOP("TValueCheck", "%1 of %2"),
                        {Where(Parameter), Where(Method)});
          },
          Out);
    }
  }
  CollectAll(Fields, Bean.EventSets(), Out);
  CollectAll(Fields, Bean.Interfaces(), Out);
  return Out;
}
