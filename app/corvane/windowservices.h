// What the main window asks of the desktop and of the person at it: message
// boxes, the file dialogs, the New Component dialog, launching a document or
// an address, the About and Web Resources windows, and what Preferences asks.
// The window is given one set of these (TQtWindowServices unless told
// otherwise); a test gives one that answers and records.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "editor/optionsdialogs.h"

// The answer to the offer of a recovery copy; closing the box keeps the copy
// for the next start.
enum class TRecoveryAnswer { Recover, Discard, Keep };

class TWindowServices : public TOptionsDialogs {
 public:
  // A notice in the information box, and a question in the confirmation box:
  // mrYes, mrNo or mrCancel (also for a box closed otherwise). Failures go
  // to Error, the application's error box.
  virtual void Info(const QString& Msg) = 0;
  virtual short Confirm(const QString& Msg) = 0;
  // The offer of a recovery copy, with "Recover" and "Discard".
  virtual TRecoveryAnswer AskRecovery(const QString& Msg) = 0;
  // A question with "Yes" and "No"; closing the box answers No.
  virtual bool AskYesNo(const QString& Msg) = 0;
  // Before a save that would change values: true for "Save Anyway", false
  // for "Cancel" (also the close box).
  virtual bool AskSaveAnyway(const QString& Msg) = 0;

  // The chosen path, or none when cancelled; each dialog starts in Folder.
  virtual std::optional<QString> AskOpenFile(const QString& Folder) = 0;
  virtual std::optional<QString> AskSaveFile(const QString& Folder) = 0;
  virtual std::optional<QString> AskInsertFile(const QString& Folder) = 0;
  // The name typed in the New Component dialog exactly as typed, none on Cancel.
  virtual std::optional<QString> AskComponentName() = 0;

  // Opens the address with what the desktop associates with it; true when
  // the launch failed. Shows no message.
  virtual bool OpenUrl(const QUrl& Url) = 0;

  // The About and Web Resources windows, shown fresh and modally; each is
  // gone when the call returns.
  virtual void ShowAbout() = 0;
  virtual void ShowWebResources() = 0;
};
