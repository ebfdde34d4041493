#include "beans/modelinput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <initializer_list>
#include <optional>
#include <type_traits>

#include "beans/beanfields.h"
#include "beans/encoding.h"
#include "beans/silentchange.h"

namespace {

[[noreturn]] void Fail(const std::string& Path, const std::string& Problem) {
  throw EModelError(Path + ": " + Problem);
}

std::string MemberPath(const std::string& Path, const QString& Key) {
  return Path.empty() ? Key.toStdString() : Path + "." + Key.toStdString();
}

bool IsOneOf(const QString& Key, std::initializer_list<const char*> Names) {
  for (const char* Name : Names)
    if (Key == QLatin1String(Name)) return true;
  return false;
}

class TModelParser {
 public:
  explicit TModelParser(TModelReading How) : FHow(How) {}
  TJSBReadResult Run(const QJsonObject& Top);

 private:
  std::string Bytes(const QJsonValue& Value, const std::string& Path) const;
  // Reads the object into Obj; its caption, when given, goes to Caption.
  template <class T>
  void Object(T& Obj, const QJsonValue& Value, const std::string& Path,
              std::optional<std::string>& Caption);
  template <class T>
  void Item(T& Obj, const QJsonValue& Value, const std::string& Path, TDescriptorKind Kind);
  template <class T>
  void Member(T& Obj, const QJsonObject& O, const QString& Key, const std::string& Path);
  template <class TColl>
  void Array(TColl& Collection, const QJsonObject& O, const char* Key, const std::string& Path,
             TDescriptorKind Kind);
  void ReadEncoding(const QJsonObject& Top);

  const TModelReading FHow;
  TTextEncoding FEncoding = TTextEncoding::Utf8;
  TJSBReadResult FRead;
};

TJSBReadResult TModelParser::Run(const QJsonObject& Top) {
  for (auto It = Top.begin(); It != Top.end(); ++It)
    if (!IsOneOf(It.key(), {"valid", "encoding", "bean", "properties", "methods", "events",
                            "interfaces", "constructor", "messages"}))
      Fail(It.key().toStdString(), "unknown member");
  ReadEncoding(Top);
  FRead.Bean = std::make_unique<TJSBean>();
  FRead.Valid = true;
  FRead.Encoding = FEncoding;
  TJSBean& Bean = *FRead.Bean;
  std::optional<std::string> Caption;
  if (Top.contains("bean")) Object(Bean, Top["bean"], "bean", Caption);
  FRead.RootCaption = Caption.value_or(Bean.Name());
  Array(Bean.Properties(), Top, "properties", "", dkProperty);
  Array(Bean.Methods(), Top, "methods", "", dkMethod);
  Array(Bean.EventSets(), Top, "events", "", dkEvent);
  Array(Bean.Interfaces(), Top, "interfaces", "", dkInterface);
  if (Top.contains("constructor")) FRead.Constructor = Bytes(Top["constructor"], "constructor");
  return std::move(FRead);
}

void TModelParser::ReadEncoding(const QJsonObject& Top) {
  if (!Top.contains("encoding")) return;
  const QJsonValue Value = Top["encoding"];
  if (Value == QJsonValue("UTF-8")) return;
  if (Value != QJsonValue("Latin-1")) Fail("encoding", "must be \"UTF-8\" or \"Latin-1\"");
  FEncoding = TTextEncoding::Latin1;
}

// The string in the model's encoding. A NUL would end the text when the file
// is read again and drop everything after it, and a lone surrogate would
// become a question mark, so both are refused for a file; a lone surrogate
// is refused whatever the model is for, since no model string can hold one.
std::string TModelParser::Bytes(const QJsonValue& Value, const std::string& Path) const {
  if (!Value.isString()) Fail(Path, "expected a string");
  const QString String = Value.toString();
  for (qsizetype I = 0; I < String.size(); ++I) {
    if (String[I].isHighSurrogate() && I + 1 < String.size() && String[I + 1].isLowSurrogate())
      ++I;
    else if (String[I].isSurrogate())
      Fail(Path, "contains a lone surrogate, which no encoding can hold");
  }
  const QByteArray Utf8 = String.toUtf8();
  const std::string_view Text(Utf8.constData(), static_cast<size_t>(Utf8.size()));
  if (FHow == TModelReading::Exact) return std::string(Text);
  if (Text.find('\0') != std::string_view::npos) Fail(Path, "contains a NUL character");
  if (!FromUtf8(Text, FEncoding))
    Fail(Path, std::string("cannot be represented in ") + EncodingName(FEncoding));
  return std::string(Text);
}

template <class T>
void TModelParser::Object(T& Obj, const QJsonValue& Value, const std::string& Path,
                          std::optional<std::string>& Caption) {
  if (!Value.isObject()) Fail(Path, "expected an object");
  const QJsonObject O = Value.toObject();
  for (auto It = O.begin(); It != O.end(); ++It) {
    if (It.key() == QLatin1String("Caption")) {
      if (FHow == TModelReading::Exact) Caption = Bytes(It.value(), MemberPath(Path, It.key()));
      continue;
    }
    Member(Obj, O, It.key(), Path);
  }
}

// A method's parameters follow it, as the reader gives them.
template <class T>
void TModelParser::Item(T& Obj, const QJsonValue& Value, const std::string& Path,
                        TDescriptorKind Kind) {
  std::optional<std::string> Caption;
  Object(Obj, Value, Path, Caption);
  const bool NameRead = !Caption || !Caption->empty();
  FRead.Items.push_back({&Obj, {}, Kind, NameRead});
  if constexpr (std::is_same_v<T, TMethodDescriptor>)
    Array(Obj.Parameters(), Value.toObject(), "parameters", Path, dkParameter);
}

template <class T>
void TModelParser::Member(T& Obj, const QJsonObject& O, const QString& Key,
                          const std::string& Path) {
  if (std::is_same_v<T, TMethodDescriptor> && Key == QLatin1String("parameters")) return;
  const std::string Where = MemberPath(Path, Key);
  for (const TField<T>& F : FieldsOf<T>()) {
    if (Key != QLatin1String(F.Name)) continue;
    if (!F.IsFlag()) return (Obj.*F.SetText)(Bytes(O[Key], Where));
    if (!O[Key].isBool()) Fail(Where, "expected true or false");
    return (Obj.*F.SetFlag)(O[Key].toBool());
  }
  Fail(Where, "unknown member");
}

template <class TColl>
void TModelParser::Array(TColl& Collection, const QJsonObject& O, const char* Key,
                         const std::string& Path, TDescriptorKind Kind) {
  if (!O.contains(QLatin1String(Key))) return;
  const std::string Where = MemberPath(Path, QLatin1String(Key));
  const QJsonValue Value = O[QLatin1String(Key)];
  if (!Value.isArray()) Fail(Where, "expected an array");
  const QJsonArray Elements = Value.toArray();
  for (qsizetype I = 0; I < Elements.size(); ++I)
    Item(*Collection.Add(), Elements[I], Where + "[" + std::to_string(I) + "]", Kind);
}

}  // namespace

TJSBReadResult ParseModel(std::string_view Json, TModelReading How) {
  QJsonParseError Error;
  const QJsonDocument Document =
      QJsonDocument::fromJson(QByteArray(Json.data(), static_cast<qsizetype>(Json.size())), &Error);
  if (Error.error != QJsonParseError::NoError)
    throw EModelError("malformed JSON at offset " + std::to_string(Error.offset) + ": " +
                          Error.errorString().toStdString(),
                      static_cast<std::size_t>(Error.offset));
  if (!Document.isObject()) throw EModelError("the top level must be a JSON object");
  if (How == TModelReading::ForFile)
    if (const std::optional<std::string> Problem = FindSilentChange(Json))
      throw EModelError(*Problem);
  return TModelParser(How).Run(Document.object());
}
