#include "dump.h"

#include <type_traits>

#include "beans/beanfields.h"
#include "jsonwriter.h"

namespace {

class TDumper {
 public:
  explicit TDumper(const TReadFile& File) : FRead(File.Result), FCaptions(File.Result) {}

  std::string Run(const std::vector<std::string>& Notices);

 private:
  template <class T>
  void Fields(const T& Obj);
  template <class T>
  void Item(const T& Obj);
  template <class TColl>
  void Items(const char* Key, const TColl& Collection);
  void Bean();

  const TJSBReadResult& FRead;
  TCaptions FCaptions;
  TJsonWriter J;
};

std::string TDumper::Run(const std::vector<std::string>& Notices) {
  J.BeginObject();
  J.Key("valid");
  J.Bool(FRead.Valid);
  J.Key("encoding");
  J.String(EncodingName(FRead.Encoding));
  Bean();
  const TJSBean& B = *FRead.Bean;
  Items("properties", B.Properties());
  Items("methods", B.Methods());
  Items("events", B.EventSets());
  Items("interfaces", B.Interfaces());
  J.Key("constructor");
  J.String(Decoded(FRead, FRead.Constructor));
  J.Key("messages");
  J.BeginArray();
  for (const std::string& Notice : Notices)
    J.String(Notice);
  J.EndArray();
  J.EndObject();
  return J.Text();
}

template <class T>
void TDumper::Fields(const T& Obj) {
  for (const TField<T>& F : FieldsOf<T>()) {
    J.Key(F.Name);
    if (F.IsFlag())
      J.Bool((Obj.*F.GetFlag)());
    else
      J.String(Decoded(FRead, (Obj.*F.GetText)()));
  }
}

void TDumper::Bean() {
  J.Key("bean");
  J.BeginObject();
  Fields(*FRead.Bean);
  J.Key("Caption");
  J.String(Decoded(FRead, FRead.RootCaption));
  J.EndObject();
}

template <class T>
void TDumper::Item(const T& Obj) {
  J.BeginObject();
  Fields(Obj);
  J.Key("Caption");
  J.String(Decoded(FRead, FCaptions.Of(Obj)));
  if constexpr (std::is_same_v<T, TMethodDescriptor>) Items("parameters", Obj.Parameters());
  J.EndObject();
}

template <class TColl>
void TDumper::Items(const char* Key, const TColl& Collection) {
  J.Key(Key);
  J.BeginArray();
  for (int I = 0; I < Collection.Count(); ++I)
    Item(*Collection.Items(I));
  J.EndArray();
}

}  // namespace

std::string DumpJson(const TReadFile& File) {
  return TDumper(File).Run(File.Notices);
}
