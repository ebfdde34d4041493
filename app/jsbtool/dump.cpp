#include "dump.h"

#include <type_traits>

#include "beans/beanfields.h"
#include "jsonwriter.h"

namespace {

class TDumper {
 public:
  TDumper(const TReadFile& File, std::ostream* Out)
      : FRead(File.Result), FCaptions(File.Result), FStream(Out) {}

  std::string Run(const std::vector<std::string>& Notices);

 private:
  template <class T>
  void Fields(const T& Obj);
  template <class T>
  void Item(const T& Obj);
  template <class TColl>
  void Items(const char* Key, const TColl& Collection);
  void Bean();
  // A model string in the file's encoding, as a JSON string.
  void Text(const std::string& Bytes);

  const TJSBReadResult& FRead;
  TCaptions FCaptions;
  std::ostream* FStream;  // null: the whole document is returned
  TJsonWriter J;

  static constexpr std::size_t kBlock = 1 << 20;
};

// UTF-8 text goes out as it is, without a decoded copy.
void TDumper::Text(const std::string& Bytes) {
  if (FRead.Encoding == TTextEncoding::Utf8)
    J.String(Bytes);
  else
    J.String(Decoded(FRead, Bytes));
}

std::string TDumper::Run(const std::vector<std::string>& Notices) {
  J.Reserve(FStream ? 2 * kBlock : 2 * FRead.Constructor.size() + 1024 + 512 * FRead.Items.size());
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
  Text(FRead.Constructor);
  J.Key("messages");
  J.BeginArray();
  for (const std::string& Notice : Notices)
    J.String(Notice);
  J.EndArray();
  J.EndObject();
  if (!FStream) return J.Text();
  J.Drain(*FStream);
  return {};
}

template <class T>
void TDumper::Fields(const T& Obj) {
  for (const TField<T>& F : FieldsOf<T>()) {
    J.Key(F.Name);
    if (F.IsFlag())
      J.Bool((Obj.*F.GetFlag)());
    else
      Text((Obj.*F.GetText)());
  }
}

void TDumper::Bean() {
  J.Key("bean");
  J.BeginObject();
  Fields(*FRead.Bean);
  J.Key("Caption");
  Text(FRead.RootCaption);
  J.EndObject();
}

template <class T>
void TDumper::Item(const T& Obj) {
  J.BeginObject();
  Fields(Obj);
  J.Key("Caption");
  Text(FCaptions.Of(Obj));
  if constexpr (std::is_same_v<T, TMethodDescriptor>) Items("parameters", Obj.Parameters());
  J.EndObject();
}

template <class TColl>
void TDumper::Items(const char* Key, const TColl& Collection) {
  J.Key(Key);
  J.BeginArray();
  for (int I = 0; I < Collection.Count(); ++I) {
    Item(*Collection.Items(I));
    if (FStream && J.Text().size() >= kBlock) J.Drain(*FStream);
  }
  J.EndArray();
}

}  // namespace

std::string DumpJson(const TReadFile& File) {
  return TDumper(File, nullptr).Run(File.Notices);
}

void DumpJson(const TReadFile& File, std::ostream& Out) {
  TDumper(File, &Out).Run(File.Notices);
}
