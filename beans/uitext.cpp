#include "beans/uitext.h"

#include <QFile>

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

std::string FileNameBytes(const QString& FileName) {
  const QByteArray Bytes = QFile::encodeName(FileName);
  return std::string(Bytes.constData(), static_cast<size_t>(Bytes.size()));
}

QString FileNameText(const std::string& FileName) {
  return QFile::decodeName(QByteArray(FileName.data(), static_cast<qsizetype>(FileName.size())));
}
