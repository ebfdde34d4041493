#include "beans/uitext.h"

namespace {

// A byte that is not part of valid UTF-8 stands in the text as ByteEscape
// plus the byte.
constexpr char16_t ByteEscape = 0xDC00;

bool IsByteEscape(char16_t C) {
  return C >= ByteEscape + 0x80 && C <= ByteEscape + 0xFF;
}

}  // namespace

QString ToQString(std::string_view Bytes, TTextEncoding Encoding) {
  const auto Size = static_cast<qsizetype>(Bytes.size());
  return Encoding == TTextEncoding::Utf8 ? QString::fromUtf8(Bytes.data(), Size)
                                         : QString::fromLatin1(Bytes.data(), Size);
}

QString ToQString(std::string_view Bytes) {
  return ToQString(Bytes, DetectEncoding(Bytes));
}

std::string ToBytes(const QString& Text, TTextEncoding Encoding) {
  const QByteArray Bytes = Encoding == TTextEncoding::Utf8 ? Text.toUtf8() : Text.toLatin1();
  return std::string(Bytes.constData(), static_cast<size_t>(Bytes.size()));
}

// A surrogate pair is a character, even where its second half looks like a
// stand-in: U+1F080 is D83C DC80.
std::string FileNameBytes(const QString& FileName) {
  std::string Bytes;
  qsizetype Run = 0;
  for (qsizetype I = 0; I < FileName.size(); ++I) {
    const char16_t C = FileName[I].unicode();
    if (QChar::isHighSurrogate(C) && I + 1 < FileName.size() && FileName[I + 1].isLowSurrogate()) {
      ++I;
    } else if (IsByteEscape(C)) {
      Bytes += FileName.sliced(Run, I - Run).toStdString();
      Bytes += static_cast<char>(C - ByteEscape);
      Run = I + 1;
    }
  }
  return Bytes + FileName.sliced(Run).toStdString();
}

QString FileNameText(std::string_view FileName) {
  QString Text;
  size_t Run = 0;
  for (size_t I = 0; I < FileName.size();) {
    if (const size_t Length = Utf8SequenceLength(FileName, I)) {
      I += Length;
      continue;
    }
    Text += QString::fromUtf8(FileName.data() + Run, static_cast<qsizetype>(I - Run));
    Text += QChar(static_cast<char16_t>(ByteEscape + static_cast<unsigned char>(FileName[I])));
    Run = ++I;
  }
  return Text +
         QString::fromUtf8(FileName.data() + Run, static_cast<qsizetype>(FileName.size() - Run));
}

QString ShownText(QString Text) {
  for (qsizetype I = 0; I < Text.size(); ++I) {
    if (Text[I].isHighSurrogate() && I + 1 < Text.size() && Text[I + 1].isLowSurrogate())
      ++I;
    else if (Text[I].isSurrogate())
      Text[I] = QChar::ReplacementCharacter;
  }
  return Text;
}
