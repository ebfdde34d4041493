#include "beans/modeljson.h"

#include <type_traits>

#include "beans/beanfields.h"
#include "beans/beanmodel.h"

namespace {

enum TStage { msHead, msProperties, msMethods, msEvents, msInterfaces, msConstructor, msDone };

template <class T>
void Fields(TJsonWriter& J, const T& Obj) {
  for (const TField<T>& F : FieldsOf<T>()) {
    J.Key(F.Name);
    if (F.IsFlag())
      J.Bool((Obj.*F.GetFlag)());
    else
      J.String((Obj.*F.GetText)());
  }
}

}  // namespace

TModelJsonBuilder::TModelJsonBuilder(const TJSBean& Bean, std::string Constructor,
                                     TTextEncoding Encoding, std::string RootCaption,
                                     TCaptionOf CaptionOf)
    : FBean(Bean),
      FConstructor(std::move(Constructor)),
      FEncoding(Encoding),
      FRootCaption(std::move(RootCaption)),
      FCaptionOf(std::move(CaptionOf)) {
  FJson.BeginObject();
}

TModelJsonBuilder::~TModelJsonBuilder() = default;

void TModelJsonBuilder::Head() {
  FJson.Key("encoding");
  FJson.String(EncodingName(FEncoding));
  FJson.Key("bean");
  FJson.BeginObject();
  Fields(FJson, FBean);
  FJson.Key("Caption");
  FJson.String(FRootCaption);
  FJson.EndObject();
}

template <class T>
void TModelJsonBuilder::Item(const T& Obj) {
  FJson.BeginObject();
  Fields(FJson, Obj);
  FJson.Key("Caption");
  FJson.String(FCaptionOf(Obj));
  if constexpr (std::is_same_v<T, TMethodDescriptor>) {
    FJson.Key("parameters");
    FJson.BeginArray();
    for (int I = 0; I < Obj.Parameters().Count(); ++I)
      Item(*Obj.Parameters().Items(I));
    FJson.EndArray();
  }
  FJson.EndObject();
}

template <class TColl>
void TModelJsonBuilder::Items(const char* Key, const TColl& Collection, int& Budget) {
  if (FIndex == 0) {
    FJson.Key(Key);
    FJson.BeginArray();
  }
  for (; FIndex < Collection.Count() && Budget > 0; ++FIndex) {
    const auto& Obj = *Collection.Items(FIndex);
    Item(Obj);
    if constexpr (std::is_same_v<std::decay_t<decltype(Obj)>, TMethodDescriptor>)
      Budget -= Obj.Parameters().Count();
    --Budget;
    EndBlockIfFull();
  }
  if (FIndex < Collection.Count()) return;
  FJson.EndArray();
  FIndex = 0;
  ++FStage;
}

bool TModelJsonBuilder::Step(int Items) {
  int Budget = Items;
  while (FStage != msDone && Budget > 0) {
    switch (FStage) {
      case msHead:
        Head();
        ++FStage;
        break;
      case msProperties:
        this->Items("properties", FBean.Properties(), Budget);
        break;
      case msMethods:
        this->Items("methods", FBean.Methods(), Budget);
        break;
      case msEvents:
        this->Items("events", FBean.EventSets(), Budget);
        break;
      case msInterfaces:
        this->Items("interfaces", FBean.Interfaces(), Budget);
        break;
      default:
        FJson.Key("constructor");
        FJson.String(FConstructor);
        ++FStage;
    }
  }
  EndBlockIfFull();
  return FStage == msDone;
}

void TModelJsonBuilder::EndBlockIfFull() {
  if (FJson.Text().size() >= BlockSize) FBlocks.push_back(FJson.TakeText());
}

std::vector<std::string> TModelJsonBuilder::TakeBlocks() {
  return std::exchange(FBlocks, {});
}

std::vector<std::string> TModelJsonBuilder::Finish() && {
  FJson.EndObject();
  FBlocks.push_back(FJson.TakeText());
  return std::move(FBlocks);
}

namespace {

// The writer puts every member and element on a line of its own, two blanks
// deeper per level, and escapes every line break inside a string; so a line
// that begins with four blanks and a brace ends an item of one of the
// model's lists, and one that begins with two blanks and is not an opening
// ends a member of the model itself.
enum TLineEnd { leNone, leItem, leMember };

TLineEnd EndOfLine(std::string_view Line) {
  if (!Line.empty() && Line.back() == ',') Line.remove_suffix(1);
  if (Line == "    }") return leItem;
  if (!Line.starts_with("  ") || Line.starts_with("   ")) return leNone;
  if (Line.ends_with("[") || Line.ends_with("{")) return leNone;
  return leMember;
}

}  // namespace

std::string SalvagedModelJson(std::string_view Json, std::size_t GoodUpTo) {
  std::string_view Good = Json.substr(0, std::min(GoodUpTo, Json.size()));
  // Only whole lines count: the one the damage is on may be cut anywhere.
  Good = Good.substr(0, Good.rfind('\n') == std::string_view::npos ? 0 : Good.rfind('\n'));
  while (!Good.empty()) {
    const std::size_t Start = Good.rfind('\n');
    if (Start == std::string_view::npos) break;
    const std::string_view Line = Good.substr(Start + 1);
    const TLineEnd End = EndOfLine(Line);
    if (End != leNone) {
      std::string Text(Good.substr(0, Good.size() - (Line.ends_with(',') ? 1 : 0)));
      return Text + (End == leItem ? "\n  ]\n}\n" : "\n}\n");
    }
    Good = Good.substr(0, Start);
  }
  return {};
}
