#include "app/corvane/recoverystore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <cstring>

#include "beans/uitext.h"
#include "widgets/fileerror.h"
#include "widgets/textfile.h"

namespace {

const char* const CopySuffix = ".recovery";
const char* const LockSuffix = ".lock";
const char* const DamagedSuffix = ".damaged";
// The first line of every copy; the file name follows on the second, the
// stamp on the third, then the length of the text and its SHA-1. A copy of
// JSB text has its encoding on a line before that check, and the first
// copies neither.
const std::string Magic = "Corvane recovery copy 3\n";
const std::string TextMagic = "Corvane recovery copy 2\n";
const std::string EarlierMagic = "Corvane recovery copy\n";

// Only a dead holder makes a lock stale: a window may keep its lock for days.
std::unique_ptr<QLockFile> LockFor(const QString& Folder, const QString& Id) {
  auto Lock = std::make_unique<QLockFile>(Folder + "/" + Id + LockSuffix);
  Lock->setStaleLockTime(0);
  return Lock;
}

}  // namespace

TStaleCopy::TStaleCopy(QString Path, std::unique_ptr<QLockFile> Lock)
    : FPath(std::move(Path)), FLock(std::move(Lock)) {}
TStaleCopy::TStaleCopy(TStaleCopy&&) noexcept = default;
TStaleCopy& TStaleCopy::operator=(TStaleCopy&&) noexcept = default;
TStaleCopy::~TStaleCopy() = default;

std::optional<TRecoveryCopy> TStaleCopy::Read() const {
  QFile File(FPath);
  if (!File.open(QIODevice::ReadOnly)) return std::nullopt;
  return TRecoveryStore::Decode(File.readAll().toStdString());
}

void TStaleCopy::Discard() {
  QFile::remove(FPath);
  if (FLock) FLock->unlock();
}

void TStaleCopy::SetAside() {
  QFile::remove(FPath + DamagedSuffix);
  QFile::rename(FPath, FPath + DamagedSuffix);
  if (FLock) FLock->unlock();
}

QString TRecoveryStore::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recovery";
}

TRecoveryStore::TRecoveryStore(QString Folder)
    : FFolder(Folder.isEmpty() ? DefaultFolder() : std::move(Folder)),
      FId(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      FLock(LockFor(FFolder, FId)) {}

TRecoveryStore::~TRecoveryStore() {
  Remove();
}

QString TRecoveryStore::CopyPath() const {
  return FFolder + "/" + FId + CopySuffix;
}

bool TRecoveryStore::HasCopy() const {
  return QFileInfo::exists(CopyPath());
}

// Without its lock a copy would look like one left by an ended session.
void TRecoveryStore::Write(const TRecoveryCopy& Copy) {
  QDir().mkpath(FFolder);
  if (!FLock->isLocked() && !FLock->tryLock(0))
    throw EFileError(EFileError::TKind::Create, FileNameBytes(FLock->fileName()));
  SaveTextFile(FileNameBytes(CopyPath()), Encode(Copy));
}

void TRecoveryStore::Remove() {
  QFile::remove(CopyPath());
  FLock->unlock();
}

std::vector<TStaleCopy> TRecoveryStore::ClaimStaleCopies() const {
  std::vector<TStaleCopy> Claimed;
  const QFileInfoList Copies = QDir(FFolder).entryInfoList({QString("*") + CopySuffix}, QDir::Files,
                                                           QDir::Time | QDir::Reversed);
  for (const QFileInfo& Copy : Copies) {
    const QString Id = Copy.fileName().chopped(int(strlen(CopySuffix)));
    if (Id == FId) continue;
    std::unique_ptr<QLockFile> Lock = LockFor(FFolder, Id);
    // In a folder where no lock can be made, a copy is offered unclaimed
    // rather than not at all.
    if (Lock->tryLock(0))
      Claimed.emplace_back(Copy.filePath(), std::move(Lock));
    else if (Lock->error() != QLockFile::LockFailedError)
      Claimed.emplace_back(Copy.filePath(), nullptr);
  }
  return Claimed;
}

namespace {

// The stamp on one line: "-" for no file, else size, time and hash, then the
// file system's times and identity (which copies of earlier versions lack).
std::string StampLine(const TFileStamp& Stamp) {
  if (!Stamp.Exists) return "-\n";
  std::string Line = std::to_string(Stamp.Size);
  const auto Add = [&Line](const std::string& Part) {
    Line += ' ';
    Line += Part;
  };
  Add(std::to_string(Stamp.Modified.toMSecsSinceEpoch()));
  Add(Stamp.Hash.toHex().toStdString());
  Add(std::to_string(Stamp.ModifiedNs));
  Add(std::to_string(Stamp.ChangedNs));
  Add(std::to_string(Stamp.Device));
  Add(std::to_string(Stamp.Inode));
  Line += '\n';
  return Line;
}

std::optional<TFileStamp> StampOf(const QByteArray& Line) {
  if (Line == "-") return TFileStamp();
  const QList<QByteArray> Parts = Line.split(' ');
  if (Parts.size() != 3 && Parts.size() != 7) return std::nullopt;
  bool Ok = true;
  const auto Signed = [&](int I) {
    bool Read = false;
    const qint64 N = Parts[I].toLongLong(&Read);
    Ok = Ok && Read;
    return N;
  };
  const auto Unsigned = [&](int I) {
    bool Read = false;
    const quint64 N = Parts[I].toULongLong(&Read);
    Ok = Ok && Read;
    return N;
  };
  TFileStamp Stamp;
  Stamp.Exists = true;
  Stamp.Size = Signed(0);
  Stamp.Modified = QDateTime::fromMSecsSinceEpoch(Signed(1));
  Stamp.Hash = QByteArray::fromHex(Parts[2]);
  if (Parts.size() == 7) {
    Stamp.ModifiedNs = Signed(3);
    Stamp.ChangedNs = Signed(4);
    Stamp.Device = Unsigned(5);
    Stamp.Inode = Unsigned(6);
  }
  if (!Ok) return std::nullopt;
  return Stamp;
}

std::optional<TTextEncoding> EncodingNamed(const QByteArray& Name) {
  for (const TTextEncoding Encoding : {TTextEncoding::Utf8, TTextEncoding::Latin1})
    if (Name == EncodingName(Encoding)) return Encoding;
  return std::nullopt;
}

std::string CheckLine(std::string_view Text) {
  const QByteArray Sum = QCryptographicHash::hash(
      QByteArrayView(Text.data(), static_cast<qsizetype>(Text.size())), QCryptographicHash::Sha1);
  return std::to_string(Text.size()) + ' ' + Sum.toHex().toStdString() + '\n';
}

}  // namespace

std::string TRecoveryStore::Encode(const TRecoveryCopy& Copy) {
  const std::string Head = Copy.Model ? Magic : Copy.Encoding ? TextMagic : EarlierMagic;
  std::string Out =
      Head +
      QByteArray::fromStdString(FileNameBytes(Copy.FileName)).toPercentEncoding().toStdString() +
      "\n" + StampLine(Copy.Opened);
  if (!Copy.Model && Copy.Encoding) (Out += EncodingName(*Copy.Encoding)) += '\n';
  if (Copy.Model || Copy.Encoding) Out += CheckLine(Copy.Text);
  return Out + Copy.Text;
}

// The magic line, the name line, the stamp line, the encoding line of a copy
// of JSB text and the check line (but in the first copies), then the text. A
// text that is not as long as its check line says, or not the same, is
// damaged: what is there of it comes back, marked so.
std::optional<TRecoveryCopy> TRecoveryStore::Decode(const std::string& Bytes) {
  const auto Starts = [&Bytes](const std::string& Line) {
    return Bytes.compare(0, Line.size(), Line) == 0;
  };
  const bool Model = Starts(Magic), Earlier = Starts(EarlierMagic);
  if (!Model && !Earlier && !Starts(TextMagic)) return std::nullopt;
  std::vector<size_t> Ends{(Earlier ? EarlierMagic : Magic).size() - 1};
  for (int I = 0; I < (Earlier ? 2 : Model ? 3 : 4); ++I) {
    const size_t End = Bytes.find('\n', Ends.back() + 1);
    if (End == std::string::npos) return std::nullopt;
    Ends.push_back(End);
  }
  const auto Line = [&](int I) {
    return QByteArray::fromStdString(Bytes.substr(Ends[I] + 1, Ends[I + 1] - Ends[I] - 1));
  };
  const std::optional<TFileStamp> Opened = StampOf(Line(1));
  if (!Opened) return std::nullopt;
  TRecoveryCopy Copy{FileNameText(QByteArray::fromPercentEncoding(Line(0)).toStdString()),
                     Bytes.substr(Ends.back() + 1), *Opened, std::nullopt};
  Copy.Model = Model;
  if (Earlier) return Copy;
  if (!Model && !(Copy.Encoding = EncodingNamed(Line(2)))) return std::nullopt;
  Copy.Damaged = CheckLine(Copy.Text) != Line(Model ? 2 : 3).toStdString() + '\n';
  return Copy;
}
