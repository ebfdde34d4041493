#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

#include "fileerror.h"

namespace {

QString NativeName(const std::string& FileName) {
  return QFile::decodeName(QByteArray(FileName.data(), static_cast<qsizetype>(FileName.size())));
}

// How many bytes normalising the first Length bytes adds.
size_t GrowthOf(const std::string& Text, size_t Length) {
  size_t Extra = 0;
  for (size_t I = 0; I < Length; ++I) {
    const char C = Text[I];
    if (C == '\r' && (I + 1 >= Length || Text[I + 1] != '\n')) ++Extra;
    if (C == '\n' && (I == 0 || Text[I - 1] != '\r')) ++Extra;
  }
  if (Length > 0 && Text[Length - 1] != '\r' && Text[Length - 1] != '\n') Extra += 2;
  return Extra;
}

}  // namespace

std::string NormaliseLineBreaks(std::string Text) {
  const void* Nul = std::memchr(Text.data(), '\0', Text.size());
  const size_t Length =
      Nul ? static_cast<size_t>(static_cast<const char*>(Nul) - Text.data()) : Text.size();
  const size_t Extra = GrowthOf(Text, Length);
  if (Extra == 0) {
    Text.resize(Length);
    return Text;
  }
  std::string Result;
  Result.reserve(Length + Extra);
  for (size_t I = 0; I < Length; ++I) {
    const char C = Text[I];
    if (C == '\r') {
      Result += "\r\n";
      if (I + 1 < Length && Text[I + 1] == '\n') ++I;
    } else if (C == '\n') {
      Result += "\r\n";
    } else {
      Result.push_back(C);
    }
  }
  if (Text[Length - 1] != '\r' && Text[Length - 1] != '\n') Result += "\r\n";
  return Result;
}

std::string LoadTextFile(const std::string& FileName) {
  QFile File(NativeName(FileName));
  if (QFileInfo(File.fileName()).isDir() || !File.open(QIODevice::ReadOnly))
    throw EFileError(EFileError::TKind::Open, FileName);
  std::string Raw;
  const qint64 Size = File.size();
  if (Size > 0) Raw.resize(static_cast<size_t>(Size));
  qint64 Got = 0;
  while (Got < Size) {
    const qint64 N = File.read(Raw.data() + Got, Size - Got);
    if (N < 0) throw EFileError(EFileError::TKind::Open, FileName);
    if (N == 0) break;
    Got += N;
  }
  Raw.resize(static_cast<size_t>(Got));
  // Files whose size is not known up front (pipes, devices). A NUL ends the
  // text, so reading stops at the first one: an endless device ends too.
  bool Ended = std::memchr(Raw.data(), '\0', Raw.size()) != nullptr;
  for (char Buffer[65536]; !Ended;) {
    const qint64 N = File.read(Buffer, sizeof Buffer);
    if (N < 0) throw EFileError(EFileError::TKind::Open, FileName);
    if (N == 0) break;
    Raw.append(Buffer, static_cast<size_t>(N));
    Ended = std::memchr(Buffer, '\0', static_cast<size_t>(N)) != nullptr;
  }
  return NormaliseLineBreaks(std::move(Raw));
}

void SaveTextFile(const std::string& FileName, std::string_view Text) {
  QSaveFile File(NativeName(FileName));
  if (QFileInfo(File.fileName()).isDir() || !File.open(QIODevice::WriteOnly))
    throw EFileError(EFileError::TKind::Create, FileName);
  qint64 Done = 0;
  const auto Size = static_cast<qint64>(Text.size());
  while (Done < Size) {
    const qint64 N = File.write(Text.data() + Done, Size - Done);
    if (N <= 0) {
      File.cancelWriting();
      throw EFileError(EFileError::TKind::Write, FileName);
    }
    Done += N;
  }
  if (!File.commit()) throw EFileError(EFileError::TKind::Write, FileName);
}
