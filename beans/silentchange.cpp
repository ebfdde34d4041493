#include "beans/silentchange.h"

#include <QString>
#include <QStringDecoder>
#include <set>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Walks well-formed JSON once. Names are compared decoded, so "a" and
// "\u0061" are the same name.
class TMemberWalk {
 public:
  explicit TMemberWalk(std::string_view Json) : FJson(Json) {}
  std::optional<std::string> Run();

 private:
  char At() const { return FPos < FJson.size() ? FJson[FPos] : '\0'; }
  void SkipSpace();
  QString String(const std::string& Path);
  void Value(const std::string& Path);
  void Object(const std::string& Path);
  void Array(const std::string& Path);

  std::string_view FJson;
  size_t FPos = 0;
  std::optional<std::string> FFound;
};

std::optional<std::string> TMemberWalk::Run() {
  if (FJson.starts_with("\xEF\xBB\xBF")) FPos = 3;
  Value("");
  return FFound;
}

void TMemberWalk::SkipSpace() {
  while (At() == ' ' || At() == '\t' || At() == '\n' || At() == '\r')
    ++FPos;
}

QString TMemberWalk::String(const std::string& Path) {
  if (FJson.substr(FPos + 1).starts_with(ByteOrderMark) && !FFound)
    FFound = Path + ": begins with a byte order mark, which would be lost";
  QString Result;
  size_t Run = ++FPos;  // start of the bytes not yet decoded
  const auto Flush = [&] {
    QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    Result += Utf8.decode(QByteArrayView(FJson.data() + Run, static_cast<qsizetype>(FPos - Run)));
  };
  while (FPos < FJson.size() && At() != '"') {
    if (At() != '\\') {
      ++FPos;
      continue;
    }
    Flush();
    const char Escape = FPos + 1 < FJson.size() ? FJson[FPos + 1] : '\0';
    FPos += 2;
    if (Escape == 'u') {
      const QString Hex = QString::fromLatin1(FJson.substr(std::min(FPos, FJson.size()), 4));
      Result += QChar(static_cast<char16_t>(Hex.toUShort(nullptr, 16)));
      FPos += 4;
    } else {
      constexpr std::string_view From = "bfnrt", To = "\b\f\n\r\t";
      const size_t Mapped = From.find(Escape);
      Result += QLatin1Char(Mapped == std::string_view::npos ? Escape : To[Mapped]);
    }
    Run = std::min(FPos, FJson.size());
  }
  FPos = std::min(FPos, FJson.size());
  Flush();
  ++FPos;  // the closing quote
  return Result;
}

void TMemberWalk::Value(const std::string& Path) {
  SkipSpace();
  if (At() == '{') return Object(Path);
  if (At() == '[') return Array(Path);
  if (At() == '"') {
    String(Path);
    return;
  }
  while (FPos < FJson.size() && At() != ',' && At() != ']' && At() != '}')
    ++FPos;  // a number, true, false or null
}

void TMemberWalk::Object(const std::string& Path) {
  std::set<QString> Names;
  ++FPos;
  for (SkipSpace(); !FFound && At() == '"'; SkipSpace()) {
    const QString Name = String((Path.empty() ? "" : Path + ".") + "(a member name)");
    const std::string Member = (Path.empty() ? "" : Path + ".") + Name.toStdString();
    if (!Names.insert(Name).second && !FFound) FFound = Member + ": repeated member";
    SkipSpace();
    ++FPos;  // the colon
    Value(Member);
    SkipSpace();
    if (At() == ',') ++FPos;
  }
  ++FPos;  // the closing brace
}

void TMemberWalk::Array(const std::string& Path) {
  ++FPos;
  SkipSpace();
  for (size_t I = 0; !FFound && FPos < FJson.size() && At() != ']'; ++I) {
    const size_t Start = FPos;
    Value(Path + "[" + std::to_string(I) + "]");
    SkipSpace();
    if (At() == ',') ++FPos;
    if (FPos == Start) break;  // not JSON after all
  }
  ++FPos;  // the closing bracket
}

}  // namespace

std::optional<std::string> FindSilentChange(std::string_view Json) {
  return TMemberWalk(Json).Run();
}
