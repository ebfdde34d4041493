// Makes its owner window a drop target for files dragged from the desktop and
// reports each drop as three lists: full paths, names and extensions.
//
// File names are kept as bytes: the local path of each dropped URL in Qt's
// form (forward slashes on every platform), exactly as the URL encodes it,
// to reach the file system as they are.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QDropEvent;

// The name and extension of a dropped path.
struct TDroppedName {
  std::string Name;       // the part after the last folder separator
  std::string Extension;  // the text after the first dot in Name; empty without a dot
};

// Splits a path at its last folder separator ('/', and '\' on Windows) and
// takes everything after the first dot of the name, so b.tar.gz gives tar.gz.
TDroppedName SplitDroppedName(std::string_view Path);

class TFileDrag : public QObject {
  Q_OBJECT

 public:
  // Owner is also the QObject parent. Drops are accepted only when it is a
  // widget; the owner's earlier drop acceptance comes back on destruction.
  explicit TFileDrag(QObject* Owner);
  ~TFileDrag() override;

  const std::vector<std::string>& NameWithPath() const { return FNameWithPath; }
  const std::vector<std::string>& NameOnly() const { return FNameOnly; }
  const std::vector<std::string>& Extension() const { return FExtension; }
  // Files in the last drop.
  int FileCount() const { return FFileCount; }

  bool EnableDrop() const { return FEnableDrop; }
  void SetEnableDrop(bool Value);

 signals:
  // Runs once per drop, after the lists hold it. It is delivered from the
  // event loop just after the drop, so the drag source is never kept waiting
  // by whatever the handler shows.
  void OnDrop(TFileDrag* Sender);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void Drop(QDropEvent* Event);
  void Deliver(const std::vector<std::string>& Files);

  QPointer<QWidget> FOwner;
  bool FOwnerAcceptedDrops = false;
  bool FEnableDrop = false;
  std::vector<std::string> FNameWithPath;
  std::vector<std::string> FNameOnly;
  std::vector<std::string> FExtension;
  int FFileCount = 0;
};
