#include "widgets/filedrag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

#ifdef Q_OS_WIN
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

// The local files of a drag, in drag order; other URLs are left out. A path
// is taken as the bytes its URL encodes, which need not be UTF-8; a host
// comes first as a network path does, //host/path.
std::vector<std::string> LocalFiles(const QMimeData* Mime) {
  std::vector<std::string> Files;
  if (Mime == nullptr || !Mime->hasUrls()) return Files;
  for (const QUrl& Url : Mime->urls()) {
    if (!Url.isLocalFile()) continue;
    const QString Host = Url.host(QUrl::FullyEncoded);
    const QString Encoded = (Host.isEmpty() ? "" : "//" + Host) + Url.path(QUrl::FullyEncoded);
    const QByteArray Path = QByteArray::fromPercentEncoding(Encoded.toLatin1());
    if (!Path.isEmpty()) Files.push_back(Path.toStdString());
  }
  return Files;
}

bool IsDragEvent(QEvent::Type Type) {
  return Type == QEvent::DragEnter || Type == QEvent::DragMove || Type == QEvent::Drop;
}

}  // namespace

TDroppedName SplitDroppedName(std::string_view Path) {
  const size_t Slash = Path.find_last_of(kSeparators);
  const std::string_view Name = Slash == std::string_view::npos ? Path : Path.substr(Slash + 1);
  const size_t Dot = Name.find('.');
  const std::string_view Ext =
      Dot == std::string_view::npos ? std::string_view{} : Name.substr(Dot + 1);
  return TDroppedName{std::string(Name), std::string(Ext)};
}

TFileDrag::TFileDrag(QObject* Owner) : QObject(Owner), FOwner(qobject_cast<QWidget*>(Owner)) {
  if (!FOwner) return;
  FOwnerAcceptedDrops = FOwner->acceptDrops();
  FOwner->installEventFilter(this);
  SetEnableDrop(FEnableDrop);
}

TFileDrag::~TFileDrag() {
  if (!FOwner) return;
  FOwner->removeEventFilter(this);
  FOwner->setAcceptDrops(FOwnerAcceptedDrops);
}

void TFileDrag::SetEnableDrop(bool Value) {
  if (!FOwner) return;
  FEnableDrop = Value;
  FOwner->setAcceptDrops(Value || FOwnerAcceptedDrops);
}

// Drags that carry local files and may be copied are taken while dropping is
// on, always as a copy: a source told Move may delete the file it dragged.
// Everything else goes on to the owner as before.
bool TFileDrag::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched != FOwner || !FEnableDrop || !IsDragEvent(Event->type()))
    return QObject::eventFilter(Watched, Event);
  auto* Drag = static_cast<QDropEvent*>(Event);
  if (!(Drag->possibleActions() & Qt::CopyAction) || LocalFiles(Drag->mimeData()).empty())
    return QObject::eventFilter(Watched, Event);
  Drag->setDropAction(Qt::CopyAction);
  Drag->accept();
  if (Event->type() == QEvent::Drop) Drop(Drag);
  return true;
}

void TFileDrag::Drop(QDropEvent* Event) {
  const std::vector<std::string> Files = LocalFiles(Event->mimeData());
  QTimer::singleShot(0, this, [this, Files] { Deliver(Files); });
}

void TFileDrag::Deliver(const std::vector<std::string>& Files) {
  FNameWithPath.clear();
  FNameOnly.clear();
  FExtension.clear();
  FFileCount = static_cast<int>(Files.size());
  for (const std::string& Path : Files) {
    TDroppedName Split = SplitDroppedName(Path);
    FNameWithPath.push_back(Path);
    FNameOnly.push_back(std::move(Split.Name));
    FExtension.push_back(std::move(Split.Extension));
  }
  emit OnDrop(this);
}
