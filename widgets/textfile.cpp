#include "textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <filesystem>
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

// The file a save replaces: the one named, or the one its links lead to, so
// that a link stays a link. A chain of links that leads nowhere is replaced
// as it stands.
std::string LinkTarget(const std::string& FileName) {
  namespace fs = std::filesystem;
  fs::path Target = FileName;
  std::error_code Error;
  for (int Depth = 0; Depth < 40 && fs::is_symlink(Target, Error); ++Depth) {
    const fs::path Next = fs::read_symlink(Target, Error);
    if (Error) return FileName;
    Target = Next.is_absolute() ? Next : Target.parent_path() / Next;
  }
  return fs::is_symlink(Target, Error) ? FileName : Target.string();
}

// A new file beside Target with a name of its own, or -1. It is private
// while it is written when it is to take an old file's place, whose
// permissions it gets before it does; a new file gets the usual ones.
int CreateBeside(const std::string& Target, bool Replacing, std::string& Name) {
  for (int Attempt = 0; Attempt < 64; ++Attempt) {
    Name =
        Target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36).toStdString();
    const int Fd =
        ::open(Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Replacing ? 0600 : 0666);
    if (Fd >= 0 || errno != EEXIST) return Fd;
  }
  return -1;
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
  QFile File;
  if (!OpenRegularFile(File, FileName)) throw EFileError(EFileError::TKind::Open, FileName);
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

// Only a regular file (or a link to one) that may be written is replaced: a
// folder, device, FIFO or socket in the way stays as it is, and nothing is
// written. A name with a NUL in it names nothing.
TTextFileWriter::TTextFileWriter(const std::string& FileName, TFileHash* Hash)
    : File_(std::make_unique<QFile>()),
      FileName_(FileName),
      Target_(LinkTarget(FileName)),
      Hashing_(Hash ? std::make_unique<QCryptographicHash>(QCryptographicHash::Sha1) : nullptr),
      Hash_(Hash) {
  struct stat Info {};
  const bool Exists = ::stat(Target_.c_str(), &Info) == 0;
  if (FileName.empty() || FileName.find('\0') != std::string::npos ||
      (Exists && (!S_ISREG(Info.st_mode) || ::access(Target_.c_str(), W_OK) != 0)))
    throw EFileError(EFileError::TKind::Create, FileName);
  const int Fd = CreateBeside(Target_, Exists, Temporary_);
  if (Fd < 0) throw EFileError(EFileError::TKind::Create, FileName);
  if (!File_->open(Fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    ::close(Fd);
    Abandon();
    throw EFileError(EFileError::TKind::Create, FileName);
  }
}

TTextFileWriter::~TTextFileWriter() {
  Abandon();
}

void TTextFileWriter::Abandon() {
  File_->close();
  if (!Temporary_.empty()) ::unlink(Temporary_.c_str());
  Temporary_.clear();
}

EFileError TTextFileWriter::Failed(const std::string& Why) {
  const std::string Text = Why.empty() ? Reason(*File_) : Why;
  Abandon();
  return EFileError(EFileError::TKind::Write, FileName_, Text);
}

void TTextFileWriter::Write(std::string_view Text) {
  if (Hashing_) Hashing_->addData(QByteArrayView(Text.data(), static_cast<qsizetype>(Text.size())));
  qint64 Done = 0;
  const auto Size = static_cast<qint64>(Text.size());
  while (Done < Size) {
    const qint64 N = File_->write(Text.data() + Done, Size - Done);
    if (N <= 0) throw Failed();
    Done += N;
  }
}

// The device's own buffer is emptied and synced here, where a failure can
// still be told: a full disk often refuses only these last bytes, and the
// rename would put the short file in the old one's place. The old file's
// attributes go on first, so that this sync covers them.
void TTextFileWriter::Commit() {
  QFile& File = *File_;
  if (!File.flush() || File.error() != QFileDevice::NoError) throw Failed();
  KeepFileAttributes(Target_, File);
  if (!SyncToDisk(File.handle())) throw Failed(std::strerror(errno));
  File.close();
  if (::rename(Temporary_.c_str(), Target_.c_str()) != 0) throw Failed(std::strerror(errno));
  Temporary_.clear();
  if (Hash_) *Hash_ = Hashing_->result().toStdString();
}

void SaveTextFile(const std::string& FileName, std::string_view Text, TFileHash* Hash) {
  TTextFileWriter Writer(FileName, Hash);
  Writer.Write(Text);
  Writer.Commit();
}
