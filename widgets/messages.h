// The two modal message functions through which the model speaks to the user.
// They forward to a replaceable handler: the window installs message boxes,
// tests install scripted answers, command-line tools collect the notices.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

// Answers of ConfirmMessage.
constexpr short mrYes = 6, mrNo = 7, mrCancel = 2;

class TMessageHandler {
 public:
  virtual ~TMessageHandler() = default;
  virtual void Info(const std::string& Msg) = 0;
  // 6 for Yes, 7 for No, 2 for Cancel (also for a dialog closed otherwise).
  virtual short Confirm(const std::string& Msg) = 0;
};

// Installs Handler (not owned; nullptr restores the default) and returns the
// handler that was installed before. The default writes notices to standard
// error and answers every question with Cancel.
TMessageHandler* SetMessageHandler(TMessageHandler* Handler);

void InfoMessage(const std::string& Msg);
short ConfirmMessage(const std::string& Msg);

// Format, a message in the user's language (QCoreApplication::translate), as
// UTF-8 with the bytes of the Nth argument in place of each %N (1 to 9), all
// in one pass: a file name in a message need not be UTF-8, and a %2 in the
// first argument stays as it is.
std::string WithArguments(const QString& Format, std::initializer_list<std::string_view> Arguments);

// Installs a handler for the lifetime of a scope.
class TScopedMessageHandler {
 public:
  explicit TScopedMessageHandler(TMessageHandler* Handler)
      : FPrevious(SetMessageHandler(Handler)) {}
  ~TScopedMessageHandler() { SetMessageHandler(FPrevious); }
  TScopedMessageHandler(const TScopedMessageHandler&) = delete;
  TScopedMessageHandler& operator=(const TScopedMessageHandler&) = delete;

 private:
  TMessageHandler* FPrevious;
};
