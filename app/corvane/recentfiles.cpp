#include "app/corvane/recentfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <filesystem>
#include <map>

#include "beans/uitext.h"

namespace {

namespace fs = std::filesystem;

const QString BookmarkNs = "http://www.freedesktop.org/standards/desktop-bookmarks";
const QString MimeNs = "http://www.freedesktop.org/standards/shared-mime-info";
const QString MetadataOwner = "http://freedesktop.org";
// The prefixes this program writes its own elements with; the list's root
// declares them.
const QString BookmarkPrefix = "bookmark";
const QString MimePrefix = "mime";

const char* const EmptyList =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n</xbel>\n";

QString Stamp(const QDateTime& Time) {
  return Time.toUTC().toString(Qt::ISODateWithMs);
}

// Two spellings of one URI: programs escape different characters.
bool SameUri(QStringView A, const QByteArray& B) {
  return QByteArray::fromPercentEncoding(A.toUtf8()) == QByteArray::fromPercentEncoding(B);
}

// Copies the list token by token, names, prefixes and namespace declarations
// as written, and records the use on its way: in the bookmark of the URI, or
// as a new one at the end.
class TListUpdate {
 public:
  TListUpdate(const QByteArray& Text, const TRecentUse& Use)
      : FIn(Text), FOut(&FResult), FUse(Use), FTime(Stamp(Use.Time)) {}

  std::optional<QByteArray> Run() {
    while (!FIn.atEnd()) {
      switch (FIn.readNext()) {
        case QXmlStreamReader::StartElement:
          if (!Start()) return std::nullopt;
          ++FDepth;
          break;
        case QXmlStreamReader::EndElement:
          --FDepth;
          End();
          FOut.writeEndElement();
          break;
        case QXmlStreamReader::StartDocument:
          // Without the standalone="no" that copying the token would add.
          if (const QString Version = FIn.documentVersion().toString(); Version.isEmpty())
            FOut.writeStartDocument();
          else if (FIn.isStandaloneDocument())
            FOut.writeStartDocument(Version, true);
          else
            FOut.writeStartDocument(Version);
          break;
        case QXmlStreamReader::Invalid:
          break;
        default:
          FOut.writeCurrentToken(FIn);
      }
    }
    if (FIn.hasError() || !FRootSeen) return std::nullopt;
    return FResult;
  }

 private:
  bool Is(const QString& Namespace, const char* Name) const {
    return FIn.namespaceUri() == Namespace && FIn.name() == QLatin1String(Name);
  }

  void Begin(const QString& Name) {
    FOut.writeStartElement(Name);
    const QXmlStreamNamespaceDeclarations Declared = FIn.namespaceDeclarations();
    for (const QXmlStreamNamespaceDeclaration& D : Declared)
      FOut.writeAttribute(
          D.prefix().isEmpty() ? QString("xmlns") : "xmlns:" + D.prefix().toString(),
          D.namespaceUri().toString());
  }

  // The element as read; Replaced's attributes take the new values, and
  // those it has that the element lacks are added.
  void Copy(std::map<QString, QString> Replaced = {}) {
    Begin(FIn.qualifiedName().toString());
    for (const QXmlStreamAttribute& A : FIn.attributes()) {
      const QString Name = A.qualifiedName().toString();
      const auto Found = Replaced.find(Name);
      if (Found == Replaced.end()) {
        FOut.writeAttribute(Name, A.value().toString());
      } else {
        FOut.writeAttribute(Name, Found->second);
        Replaced.erase(Found);
      }
    }
    for (const auto& [Name, Value] : Replaced)
      FOut.writeAttribute(Name, Value);
  }

  // The root must be a bookmark list that binds this program's prefixes to
  // their namespaces, or leaves them free to be bound.
  bool Root() {
    if (FIn.qualifiedName() != QLatin1String("xbel")) return false;
    FRootSeen = true;
    std::map<QString, QString> Missing = {{BookmarkPrefix, BookmarkNs}, {MimePrefix, MimeNs}};
    for (const QXmlStreamNamespaceDeclaration& D : FIn.namespaceDeclarations()) {
      const auto Found = Missing.find(D.prefix().toString());
      if (Found == Missing.end()) continue;
      if (Found->second != D.namespaceUri()) return false;
      Missing.erase(Found);
    }
    Copy();
    for (const auto& [Prefix, Uri] : Missing)
      FOut.writeAttribute("xmlns:" + Prefix, Uri);
    return true;
  }

  bool Start() {
    if (FDepth == 0) return Root();
    if (FDepth == 1 && Is(QString(), "bookmark") &&
        SameUri(FIn.attributes().value("href"), FUse.Uri)) {
      FOurs = true;
      FFound = true;
      FSeenInfo = FSeenMetadata = FSeenMime = FSeenApplications = FSeenApplication = false;
      const bool Added = FIn.attributes().hasAttribute("added");
      std::map<QString, QString> Times = {{"modified", FTime}, {"visited", FTime}};
      if (!Added) Times["added"] = FTime;
      Copy(Times);
      return true;
    }
    if (FOurs) {
      if (FDepth == 2 && Is(QString(), "info")) {
        FSeenInfo = true;
      } else if (FDepth == 3 && FSeenInfo && Is(QString(), "metadata") &&
                 FIn.attributes().value("owner") == MetadataOwner) {
        FInMetadata = FSeenMetadata = true;
      } else if (FDepth == 4 && FInMetadata && Is(MimeNs, "mime-type")) {
        FSeenMime = true;
      } else if (FDepth == 4 && FInMetadata && Is(BookmarkNs, "applications")) {
        FInApplications = FSeenApplications = true;
      } else if (FDepth == 5 && FInApplications && Is(BookmarkNs, "application") &&
                 FIn.attributes().value("name") == QLatin1String(RecentAppName)) {
        FSeenApplication = true;
        const int Count = FIn.attributes().value("count").toInt();
        std::map<QString, QString> Values = {{"exec", RecentAppExec},
                                             {"modified", FTime},
                                             {"count", QString::number(std::max(Count, 0) + 1)}};
        // What earlier bookmark files had instead of "modified".
        if (FIn.attributes().hasAttribute("timestamp"))
          Values["timestamp"] = QString::number(FUse.Time.toSecsSinceEpoch());
        Copy(Values);
        return true;
      }
    }
    Copy();
    return true;
  }

  // What our bookmark lacks goes in just before the element that should
  // have held it ends.
  void End() {
    if (FDepth == 0 && !FFound) return NewBookmark();
    if (!FOurs) return;
    if (FDepth == 4 && FInApplications) {
      FInApplications = false;
      if (!FSeenApplication) Application("  ");
    } else if (FDepth == 3 && FInMetadata) {
      FInMetadata = false;
      if (!FSeenMime) Mime("  ");
      if (!FSeenApplications) Applications("  ");
    } else if (FDepth == 2 && !FSeenMetadata && FSeenInfo) {
      Metadata("  ");
    } else if (FDepth == 1) {
      if (!FSeenInfo) Info("  ");
      FOurs = false;
    }
  }

  void Line(const QString& Indent) { FOut.writeCharacters("\n" + Indent); }

  void Application(const QString& Indent) {
    Line(Indent);
    FOut.writeEmptyElement(BookmarkPrefix + ":application");
    FOut.writeAttribute("name", RecentAppName);
    FOut.writeAttribute("exec", RecentAppExec);
    FOut.writeAttribute("modified", FTime);
    FOut.writeAttribute("count", "1");
  }
  void Applications(const QString& Indent) {
    Line(Indent);
    FOut.writeStartElement(BookmarkPrefix + ":applications");
    Application(Indent + "  ");
    Line(Indent);
    FOut.writeEndElement();
  }
  void Mime(const QString& Indent) {
    Line(Indent);
    FOut.writeEmptyElement(MimePrefix + ":mime-type");
    FOut.writeAttribute("type", RecentMimeType);
  }
  void Metadata(const QString& Indent) {
    Line(Indent);
    FOut.writeStartElement("metadata");
    FOut.writeAttribute("owner", MetadataOwner);
    Mime(Indent + "  ");
    Applications(Indent + "  ");
    Line(Indent);
    FOut.writeEndElement();
  }
  void Info(const QString& Indent) {
    Line(Indent);
    FOut.writeStartElement("info");
    Metadata(Indent + "  ");
    Line(Indent);
    FOut.writeEndElement();
  }
  void NewBookmark() {
    FOut.writeCharacters("  ");
    FOut.writeStartElement("bookmark");
    FOut.writeAttribute("href", QString::fromLatin1(FUse.Uri));
    for (const char* Name : {"added", "modified", "visited"})
      FOut.writeAttribute(Name, FTime);
    Info("    ");
    Line("  ");
    FOut.writeEndElement();
    FOut.writeCharacters("\n");
  }

  QXmlStreamReader FIn;
  QByteArray FResult;
  QXmlStreamWriter FOut;
  const TRecentUse& FUse;
  const QString FTime;
  int FDepth = 0;
  bool FRootSeen = false, FFound = false, FOurs = false;
  bool FSeenInfo = false, FInMetadata = false, FSeenMetadata = false, FSeenMime = false;
  bool FInApplications = false, FSeenApplications = false, FSeenApplication = false;
};

bool Within(const fs::path& File, const QString& Folder) {
  std::error_code Error;
  const fs::path Place = fs::weakly_canonical(FileNameBytes(Folder), Error);
  if (Error || Place.empty()) return false;
  const auto [End, Rest] = std::mismatch(Place.begin(), Place.end(), File.begin(), File.end());
  return End == Place.end();
}

std::mutex FoldersMutex;
QStringList Folders;

void SetFolders(const QStringList& Found) {
  const std::lock_guard Lock(FoldersMutex);
  Folders = Found;
}

// The file's size and time of change, to see whether another program
// replaced it meanwhile.
std::pair<qint64, QDateTime> Looks(const QString& Path) {
  const QFileInfo Info(Path);
  return {Info.exists() ? Info.size() : -1, Info.lastModified().toUTC()};
}

// The list's text; none when it is too large or cannot be read. A list not
// there yet is empty.
std::optional<QByteArray> ReadList(const QString& Path) {
  QFile File(Path);
  if (!File.exists()) return QByteArray();
  if (File.size() > RecentListLimit || !File.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray Text = File.readAll();
  if (File.error() != QFileDevice::NoError) return std::nullopt;
  return Text;
}

constexpr int MaxFolders = 10;

}  // namespace

QByteArray FileUri(const QString& FileName) {
  std::error_code Error;
  fs::path Path = fs::absolute(FileNameBytes(FileName), Error);
  if (Error) Path = FileNameBytes(FileName);
  const std::string Bytes = Path.lexically_normal().string();
  return "file://" + QByteArray(Bytes.data(), static_cast<qsizetype>(Bytes.size()))
                         .toPercentEncoding("/!$&'()*+,:=@");
}

std::optional<QByteArray> RecordRecentUse(const QByteArray& Text, const TRecentUse& Use) {
  return TListUpdate(Text.isEmpty() ? QByteArray(EmptyList) : Text, Use).Run();
}

QStringList RecentFoldersIn(const QByteArray& Text, int Max) {
  QXmlStreamReader In(Text);
  std::vector<std::pair<QString, QString>> Uses;  // time, folder
  QString Href;
  while (!In.atEnd()) {
    if (In.readNext() != QXmlStreamReader::StartElement) continue;
    if (In.name() == QLatin1String("bookmark") && In.namespaceUri().isEmpty())
      Href = In.attributes().value("href").toString();
    else if (In.namespaceUri() == BookmarkNs && In.name() == QLatin1String("application") &&
             In.attributes().value("name") == QLatin1String(RecentAppName)) {
      const QByteArray Bytes = QByteArray::fromPercentEncoding(Href.toUtf8());
      if (!Bytes.startsWith("file:///")) continue;
      const QString Name = FileNameText(Bytes.mid(7).toStdString());
      if (ShownText(Name) != Name) continue;
      const QString Time = In.attributes().value("modified").toString();
      Uses.emplace_back(Time, QFileInfo(Name).path());
    }
  }
  // ISO times of one form sort as text.
  std::stable_sort(Uses.begin(), Uses.end(),
                   [](const auto& A, const auto& B) { return A.first > B.first; });
  QStringList Found;
  for (const auto& [Time, Folder] : Uses)
    if (!Found.contains(Folder) && Found.size() < Max) Found << Folder;
  return Found;
}

TRecentPlaces TRecentPlaces::Desktop(const QString& RecoveryFolder) {
  return {
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/recently-used.xbel",
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recently-used.lock",
      {QDir::tempPath(), RecoveryFolder}};
}

TRecentFiles::TRecentFiles(TRecentPlaces Places) : FPlaces(std::move(Places)) {
  FJobs.push_back({});
  FThread = std::thread([this] { Run(); });
}

TRecentFiles::~TRecentFiles() {
  {
    const std::lock_guard Lock(FMutex);
    FStop = true;
  }
  FWake.notify_one();
  FThread.join();
}

void TRecentFiles::Add(const QString& FileName) {
  {
    const std::lock_guard Lock(FMutex);
    FJobs.push_back({FileName, QDateTime::currentDateTimeUtc()});
  }
  FWake.notify_one();
}

void TRecentFiles::Flush() {
  std::unique_lock Lock(FMutex);
  FIdle.wait(Lock, [this] { return FJobs.empty() && !FBusy; });
}

void TRecentFiles::Run() {
  std::unique_lock Lock(FMutex);
  for (;;) {
    FWake.wait(Lock, [this] { return FStop || !FJobs.empty(); });
    if (FJobs.empty()) return;
    const TJob Job = FJobs.front();
    FJobs.pop_front();
    FBusy = true;
    Lock.unlock();
    Update(Job);
    Lock.lock();
    FBusy = false;
    if (FJobs.empty()) FIdle.notify_all();
  }
}

// The list is read, updated and written under the lock, and written only
// when it still looks as it did when it was read; otherwise it is read again.
void TRecentFiles::Update(const TJob& Job) {
  const QString& List = FPlaces.List;
  if (Job.FileName.isEmpty()) {
    if (const std::optional<QByteArray> Text = ReadList(List))
      SetFolders(RecentFoldersIn(*Text, MaxFolders));
    return;
  }
  std::error_code Error;
  const fs::path File = fs::weakly_canonical(FileNameBytes(Job.FileName), Error);
  if (Error) return;
  for (const QString& Folder : FPlaces.Excluded)
    if (!Folder.isEmpty() && Within(File, Folder)) return;
  const TRecentUse Use{FileUri(Job.FileName), Job.Time};
  QDir().mkpath(QFileInfo(FPlaces.Lock).path());
  QLockFile Lock(FPlaces.Lock);
  if (!Lock.tryLock(2000)) return;
  for (int Attempt = 0; Attempt < 3; ++Attempt) {
    const auto Before = Looks(List);
    const std::optional<QByteArray> Text = ReadList(List);
    if (!Text) return;
    const std::optional<QByteArray> Updated = RecordRecentUse(*Text, Use);
    if (!Updated) return;
    QDir().mkpath(QFileInfo(List).path());
    QSaveFile Out(List);
    if (!Out.open(QIODevice::WriteOnly) || Out.write(*Updated) != Updated->size()) return;
    if (Looks(List) != Before) continue;  // the destructor throws the new text away
    if (Out.commit()) SetFolders(RecentFoldersIn(*Updated, MaxFolders));
    return;
  }
}

QStringList RecentFolders() {
  const std::lock_guard Lock(FoldersMutex);
  return Folders;
}
