#include "beangen.h"

#include <algorithm>
#include <string_view>

#include "beans/jsbwriter.h"
#include "prng.h"

namespace {

constexpr std::string_view Stems[] = {
    "alpha",  "border", "caption", "colour", "count",  "delay",   "enabled", "font",
    "height", "index",  "label",   "margin", "offset", "opacity", "parent",  "radius",
    "scale",  "source", "tab",     "target", "timer",  "value",   "visible", "width"};
constexpr std::string_view Types[] = {"number", "string",   "boolean", "object", "Array",
                                      "Date",   "Function", "int",     "double", "void"};
constexpr std::string_view Words[] = {
    "the",       "value",  "of",   "this",   "property", "is",    "shown", "when",
    "component", "draws",  "its",  "frame",  "and",      "kept",  "until", "changed",
    "by",        "script", "user", "layout", "sets",     "width", "a",     "new"};
constexpr std::string_view Envs[] = {"client", "server", "both"};
constexpr std::string_view Models[] = {"JS", "JAVA"};

// A lower-camel identifier such as borderIndex12.
std::string Identifier(TPrng& R) {
  std::string S(R.Pick(Stems));
  std::string Second(R.Pick(Stems));
  Second[0] = static_cast<char>(Second[0] - 'a' + 'A');
  return S + Second + std::to_string(R.Below(100));
}

// Words separated by blanks, starting with an upper-case letter.
std::string Sentence(TPrng& R, int MinWords, int MaxWords) {
  const int N = MinWords + R.Below(MaxWords - MinWords + 1);
  std::string S;
  for (int I = 0; I < N; ++I) {
    if (I > 0) S += ' ';
    S += R.Pick(Words);
  }
  S[0] = static_cast<char>(S[0] - 'a' + 'A');
  return S;
}

std::string ValueSet(TPrng& R) {
  if (R.Chance(50)) return std::to_string(R.Below(10)) + ":" + std::to_string(100 + R.Below(900));
  return std::string(R.Pick(Stems)) + "," + std::string(R.Pick(Stems)) + "," +
         std::string(R.Pick(Stems));
}

template <class T>
void SetCommon(TPrng& R, T& Item) {
  Item.SetName(Identifier(R));
  Item.SetDisplayName(Sentence(R, 1, 3));
  if (R.Chance(80)) Item.SetShortDescription(Sentence(R, 4, 12));
}

void AddProperty(TPrng& R, TJSBean& Bean) {
  TPropertyDescriptor& P = *Bean.Properties().Add();
  SetCommon(R, P);
  P.SetType(std::string(R.Pick(Types)));
  if (R.Chance(50)) P.SetPropType(std::string(R.Pick(Models)));
  if (R.Chance(30)) P.SetEventModel(std::string(R.Pick(Models)));
  if (R.Chance(30)) P.SetEnv(std::string(R.Pick(Envs)));
  if (R.Chance(40)) P.SetValueSet(ValueSet(R));
  if (R.Chance(20)) P.SetPropertyEditor(Identifier(R) + "Editor");
  if (R.Chance(60)) P.SetReadMethod("get" + Identifier(R));
  if (R.Chance(60)) P.SetWriteMethod("set" + Identifier(R));
  P.SetIsDefault(R.Chance(10));
  P.SetIsBound(R.Chance(40));
  P.SetIsRuntime(R.Chance(20));
}

// A method with fewer than ParameterBound parameters (ParameterBound >= 1).
int AddMethod(TPrng& R, TJSBean& Bean, int ParameterBound = 5) {
  TMethodDescriptor& M = *Bean.Methods().Add();
  SetCommon(R, M);
  if (R.Chance(70)) M.SetType(std::string(R.Pick(Types)));
  if (R.Chance(30)) M.SetEnv(std::string(R.Pick(Envs)));
  const int Count = R.Below(ParameterBound);
  for (int I = 0; I < Count; ++I) {
    TParameterDescriptor& P = *M.Parameters().Add();
    SetCommon(R, P);
    P.SetType(std::string(R.Pick(Types)));
    if (R.Chance(40)) P.SetValueSet(ValueSet(R));
  }
  return Count;
}

void AddEvent(TPrng& R, TJSBean& Bean) {
  TEventSetDescriptor& E = *Bean.EventSets().Add();
  SetCommon(R, E);
  E.SetEventModel(std::string(R.Pick(Models)));
  const std::string Listener = Identifier(R) + "Listener";
  E.SetListenerType(Listener);
  E.SetListenerMethods(Identifier(R) + "," + Identifier(R));
  E.SetAddListenerMethod("add" + Listener);
  E.SetRemoveListenerMethod("remove" + Listener);
  E.SetIsDefault(R.Chance(10));
}

void AddInterface(TPrng& R, TJSBean& Bean) {
  TJSInterface& I = *Bean.Interfaces().Add();
  I.SetName(Identifier(R) + "Able");
  if (R.Chance(50)) I.SetDisplayName(Sentence(R, 1, 3));
  if (R.Chance(30)) I.SetShortDescription(Sentence(R, 4, 10));
}

// One unit: four properties, two methods with up to four parameters each, an
// event set and an interface.
void AddUnit(TPrng& R, TJSBean& Bean, TItemCounts& Counts) {
  for (int I = 0; I < 4; ++I)
    AddProperty(R, Bean);
  for (int I = 0; I < 2; ++I)
    Counts.Parameters += AddMethod(R, Bean);
  AddEvent(R, Bean);
  AddInterface(R, Bean);
  Counts.Properties += 4;
  Counts.Methods += 2;
  Counts.Events += 1;
  Counts.Interfaces += 1;
}

// The most items one unit can add: four properties, two methods with four
// parameters each, an event set and an interface.
constexpr int MaxUnitItems = 4 + 2 * (1 + 4) + 1 + 1;

// One item of the kinds in turn (methods without parameters), so that any
// remaining count can be met exactly.
void AddSingle(TPrng& R, TJSBean& Bean, TItemCounts& Counts, int Turn) {
  switch (Turn % 4) {
    case 0:
      AddProperty(R, Bean);
      ++Counts.Properties;
      break;
    case 1:
      AddMethod(R, Bean, 1);
      ++Counts.Methods;
      break;
    case 2:
      AddEvent(R, Bean);
      ++Counts.Events;
      break;
    default:
      AddInterface(R, Bean);
      ++Counts.Interfaces;
      break;
  }
}

// JavaScript lines (with comparisons, so '<' occurs outside tags too) until
// the source is at least Bytes long.
std::string Constructor(TPrng& R, std::size_t Bytes) {
  std::string S = "function generated_Component( params ) {\r\n";
  while (S.size() < Bytes) {
    const std::string Id = Identifier(R);
    S += "  this." + Id + " = params." + Id + " || " + std::to_string(R.Below(1000)) + ";\r\n";
    if (R.Chance(25)) S += "  for (var i = 0; i < this." + Id + "; i++) { this.count += i; }\r\n";
  }
  S += "}";
  return S;
}

void SetDescriptor(TPrng& R, TJSBean& Bean) {
  Bean.SetName("bench.generated.Component");
  Bean.SetEnv("client");
  Bean.SetDisplayName("Generated component");
  Bean.SetShortDescription(Sentence(R, 8, 16));
  Bean.SetCustomizer("bench.generated.Customizer");
  Bean.SetIsJava(true);
}

std::size_t TextSize(const TGeneratedBean& G) {
  return WriteJSBText(*G.Bean, G.Constructor).size();
}

}  // namespace

TGeneratedBean GenerateBean(std::size_t TargetBytes, std::uint64_t Seed) {
  TPrng R(Seed);
  TGeneratedBean G;
  G.Bean = std::make_unique<TJSBean>();
  SetDescriptor(R, *G.Bean);
  G.Constructor = Constructor(R, TargetBytes / 20);
  const std::size_t Base = TextSize(G);
  std::size_t Units = 0;
  G.TextSize = Base;
  // A few units first, to learn their average size; then each round closes
  // most of the remaining gap by that average, and the last rounds add
  // single units.
  std::size_t Add = 4;
  while (G.TextSize < TargetBytes) {
    for (std::size_t I = 0; I < Add; ++I)
      AddUnit(R, *G.Bean, G.Counts);
    Units += Add;
    G.TextSize = TextSize(G);
    if (G.TextSize >= TargetBytes) break;
    const double PerUnit = static_cast<double>(G.TextSize - Base) / static_cast<double>(Units);
    const double Gap = static_cast<double>(TargetBytes - G.TextSize);
    Add = std::max<std::size_t>(1, static_cast<std::size_t>(Gap * 0.9 / PerUnit));
  }
  return G;
}

TGeneratedBean GenerateBeanWithItems(int Items, std::uint64_t Seed) {
  TPrng R(Seed);
  TGeneratedBean G;
  G.Bean = std::make_unique<TJSBean>();
  SetDescriptor(R, *G.Bean);
  G.Constructor = Constructor(R, 2000 + static_cast<std::size_t>(std::max(Items, 0)) * 40);
  while (G.Counts.Total() + MaxUnitItems <= Items)
    AddUnit(R, *G.Bean, G.Counts);
  for (int Turn = 0; G.Counts.Total() < Items; ++Turn)
    AddSingle(R, *G.Bean, G.Counts, Turn);
  G.TextSize = TextSize(G);
  return G;
}

TItemCounts CountItems(const TJSBean& Bean) {
  TItemCounts C;
  C.Properties = Bean.Properties().Count();
  C.Methods = Bean.Methods().Count();
  for (int I = 0; I < C.Methods; ++I)
    C.Parameters += Bean.Methods().Items(I)->Parameters().Count();
  C.Events = Bean.EventSets().Count();
  C.Interfaces = Bean.Interfaces().Count();
  return C;
}
