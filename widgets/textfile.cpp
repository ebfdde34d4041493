#include "textfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "fileattributes.h"
#include "fileerror.h"
#include "memorypages.h"
#include "regularfile.h"

namespace {

QString NativeName(const std::string& FileName) {
  return QFile::decodeName(QByteArray(FileName.data(), static_cast<qsizetype>(FileName.size())));
}

// Where the next CR or LF at or after From lies, or Length.
size_t NextBreak(const char* Text, size_t From, size_t Length) {
  const void* Cr = std::memchr(Text + From, '\r', Length - From);
  const size_t Limit = Cr ? static_cast<size_t>(static_cast<const char*>(Cr) - Text) : Length;
  const void* Lf = std::memchr(Text + From, '\n', Limit - From);
  return Lf ? static_cast<size_t>(static_cast<const char*>(Lf) - Text) : Limit;
}

// True when every break in the first Length bytes already is CR LF.
bool AllCrLf(const std::string& Text, size_t Length) {
  for (size_t I = NextBreak(Text.data(), 0, Length); I < Length;
       I = NextBreak(Text.data(), I + 2, Length)) {
    if (Text[I] != '\r' || I + 1 >= Length || Text[I + 1] != '\n') return false;
  }
  return true;
}

bool EndsWithBreak(const std::string& Text, size_t Length) {
  return Length == 0 || Text[Length - 1] == '\r' || Text[Length - 1] == '\n';
}

std::string Reason(const QFileDevice& File) {
  return File.errorString().toStdString();
}

EFileError ReadError(const QFileDevice& File, const std::string& FileName) {
  return EFileError(EFileError::TKind::Read, FileName, Reason(File));
}

// Abandons the write, so that the old file stays and no temporary is left.
EFileError WriteError(QSaveFile& File, const std::string& FileName, const std::string& Why = {}) {
  const std::string Text = Why.empty() ? Reason(File) : Why;
  File.cancelWriting();
  return EFileError(EFileError::TKind::Write, FileName, Text);
}

// Puts the written bytes on the disk; file systems that cannot sync count as
// synced.
bool SyncToDisk(int Handle) {
#ifdef _WIN32
  return _commit(Handle) == 0 || errno == EBADF;
#elif defined(__linux__)
  // The data and what is needed to read it back (its size); the times can wait.
  return ::fdatasync(Handle) == 0 || errno == EINVAL || errno == ENOTSUP;
#else
  return ::fsync(Handle) == 0 || errno == EINVAL || errno == ENOTSUP;
#endif
}

}  // namespace

// Files written by the program are CR LF throughout and lack only a final
// break, so that case is mended in place; any other copies runs between breaks.
std::string NormaliseLineBreaks(std::string Text) {
  const void* Nul = std::memchr(Text.data(), '\0', Text.size());
  const size_t Length =
      Nul ? static_cast<size_t>(static_cast<const char*>(Nul) - Text.data()) : Text.size();
  if (AllCrLf(Text, Length)) {
    Text.resize(Length);
    if (!EndsWithBreak(Text, Length)) Text += "\r\n";
    return Text;
  }
  std::string Result;
  Result.reserve(Length + Length / 8 + 2);
  size_t I = 0;
  while (I < Length) {
    const size_t Break = NextBreak(Text.data(), I, Length);
    Result.append(Text, I, Break - I);
    if (Break == Length) break;
    Result += "\r\n";
    I = Break + ((Text[Break] == '\r' && Break + 1 < Length && Text[Break + 1] == '\n') ? 2 : 1);
  }
  if (!EndsWithBreak(Text, Length)) Result += "\r\n";
  return Result;
}

std::string LoadTextFile(const std::string& FileName) {
  QFile File(NativeName(FileName));
  if (!OpenRegularFile(File)) throw EFileError(EFileError::TKind::Open, FileName);
  std::string Raw;
  const qint64 Size = File.size();
  // Room for the final line break that NormaliseLineBreaks may add, so that
  // a large file is never copied into a second buffer.
  if (Size > 0) {
    Raw.reserve(static_cast<size_t>(Size) + 2);
    PreferLargePages(Raw.data(), Raw.data() + Raw.capacity());
    Raw.resize(static_cast<size_t>(Size));
  }
  qint64 Got = 0;
  while (Got < Size) {
    const qint64 N = File.read(Raw.data() + Got, Size - Got);
    if (N < 0) throw ReadError(File, FileName);
    if (N == 0) break;
    Got += N;
  }
  Raw.resize(static_cast<size_t>(Got));
  // Files that report no size, or grow while they are read. A NUL ends the
  // text, so reading stops at the first one.
  bool Ended = std::memchr(Raw.data(), '\0', Raw.size()) != nullptr;
  for (char Buffer[65536]; !Ended;) {
    const qint64 N = File.read(Buffer, sizeof Buffer);
    if (N < 0) throw ReadError(File, FileName);
    if (N == 0) break;
    Raw.append(Buffer, static_cast<size_t>(N));
    Ended = std::memchr(Buffer, '\0', static_cast<size_t>(N)) != nullptr;
  }
  return NormaliseLineBreaks(std::move(Raw));
}

TTextFileWriter::TTextFileWriter(const std::string& FileName, TFileHash* Hash)
    : File_(std::make_unique<QSaveFile>(NativeName(FileName))),
      FileName_(FileName),
      Hashing_(Hash ? std::make_unique<QCryptographicHash>(QCryptographicHash::Sha1) : nullptr),
      Hash_(Hash) {
  // Only a regular file (or a link to one) is replaced: a folder, device,
  // FIFO or socket in the way stays as it is, and nothing is written.
  const QFileInfo Target(File_->fileName());
  if ((Target.exists() && !Target.isFile()) || !File_->open(QIODevice::WriteOnly))
    throw EFileError(EFileError::TKind::Create, FileName);
}

TTextFileWriter::~TTextFileWriter() = default;

void TTextFileWriter::Write(std::string_view Text) {
  if (Hashing_) Hashing_->addData(QByteArrayView(Text.data(), static_cast<qsizetype>(Text.size())));
  qint64 Done = 0;
  const auto Size = static_cast<qint64>(Text.size());
  while (Done < Size) {
    const qint64 N = File_->write(Text.data() + Done, Size - Done);
    if (N <= 0) throw WriteError(*File_, FileName_);
    Done += N;
  }
}

void TTextFileWriter::Commit() {
  QSaveFile& File = *File_;
  // The device's own buffer is emptied and synced here, where a failure can
  // still be told: a full disk often refuses only these last bytes, and
  // commit() alone would rename the short file over the old one. The old
  // file's attributes go on first, so that this sync covers them and the one
  // commit() makes finds nothing left to do.
  if (!File.flush() || File.error() != QFileDevice::NoError) throw WriteError(File, FileName_);
  KeepFileAttributes(File.fileName(), File);
  if (!SyncToDisk(File.handle())) throw WriteError(File, FileName_, std::strerror(errno));
  if (!File.commit()) throw EFileError(EFileError::TKind::Write, FileName_, Reason(File));
  if (Hash_) *Hash_ = Hashing_->result().toStdString();
}

void SaveTextFile(const std::string& FileName, std::string_view Text, TFileHash* Hash) {
  TTextFileWriter Writer(FileName, Hash);
  Writer.Write(Text);
  Writer.Commit();
}
