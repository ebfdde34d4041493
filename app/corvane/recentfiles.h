// The desktop's list of recently used files: the bookmark file that file
// choosers and launchers of every program read and write
// ($XDG_DATA_HOME/recently-used.xbel). Each file the window opens or saves
// goes on it; the folders of the files this program used there become the
// history of its file dialogs. Qt Core only.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

// One use of a file by this program, as the list records it.
struct TRecentUse {
  QByteArray Uri;  // file:///..., the file name's bytes percent-encoded
  QDateTime Time;  // UTC
};

// How the list names this program and its files.
inline constexpr const char* RecentAppName = "Corvane";
// The program takes a local file name, so the command line asks for %f.
inline constexpr const char* RecentAppExec = "'corvane %f'";
inline constexpr const char* RecentMimeType = "application/x-jsb";

// The URI of a file as its name's bytes (FileNameBytes) give it: absolute,
// dots resolved, every byte that is not plainly safe in a path escaped.
QByteArray FileUri(const QString& FileName);

// The list's text with Use recorded: the bookmark of its URI gets this
// program's entry, its use counted, or is added. Everything else in the
// text (other bookmarks, elements and attributes this program does not
// know, comments) is kept. None when the text is no bookmark list, is
// damaged or is not well-formed, so that it is never replaced. An empty
// text is an empty list.
std::optional<QByteArray> RecordRecentUse(const QByteArray& Text, const TRecentUse& Use);

// The folders of the files this program used on the list, the most recent
// first, at most Max; those whose names are not UTF-8 are left out.
QStringList RecentFoldersIn(const QByteArray& Text, int Max);

// Where the list is, where the lock that keeps two of this program's
// windows from updating it at once is, and the folders whose files are not
// worth listing: temporary files and recovery copies.
struct TRecentPlaces {
  QString List;
  QString Lock;
  QStringList Excluded;
  // The desktop's list, the lock in the program's data folder, the
  // temporary folder and RecoveryFolder.
  static TRecentPlaces Desktop(const QString& RecoveryFolder);
};

// A list larger than this is left alone rather than read.
inline constexpr qint64 RecentListLimit = 4 * 1024 * 1024;

// Updates the list on a thread of its own, in the order asked, so that a
// save never waits for it and never fails because of it. A list that cannot
// be read, or that another program changed while this one was updating it
// (three times over), is left as it is, without a word.
class TRecentFiles {
 public:
  // Reads the list's folders first, for the dialogs.
  explicit TRecentFiles(TRecentPlaces Places);
  ~TRecentFiles();  // finishes what was asked
  TRecentFiles(const TRecentFiles&) = delete;
  TRecentFiles& operator=(const TRecentFiles&) = delete;

  // FileName was opened or saved just now.
  void Add(const QString& FileName);
  // Waits until everything asked so far is done.
  void Flush();

 private:
  struct TJob {
    QString FileName;  // empty: only read the folders
    QDateTime Time;
  };
  void Run();
  void Update(const TJob& Job);

  TRecentPlaces FPlaces;
  std::mutex FMutex;
  std::condition_variable FWake, FIdle;
  std::deque<TJob> FJobs;
  bool FBusy = false;
  bool FStop = false;
  std::thread FThread;
};

// The folders of the files this program used recently, the most recent
// first, as the last list any window read showed them.
QStringList RecentFolders();
