#include "messages.h"

#include <cstdio>

namespace {

class TConsoleHandler : public TMessageHandler {
 public:
  void Info(const std::string& Msg) override { std::fprintf(stderr, "%s\n", Msg.c_str()); }
  short Confirm(const std::string& Msg) override {
    std::fprintf(stderr, "%s (answered Cancel)\n", Msg.c_str());
    return mrCancel;
  }
};

TConsoleHandler DefaultHandler;
TMessageHandler* Current = &DefaultHandler;

}  // namespace

TMessageHandler* SetMessageHandler(TMessageHandler* Handler) {
  TMessageHandler* Previous = Current;
  Current = Handler ? Handler : &DefaultHandler;
  return Previous == &DefaultHandler ? nullptr : Previous;
}

void InfoMessage(const std::string& Msg) {
  Current->Info(Msg);
}

short ConfirmMessage(const std::string& Msg) {
  const short Answer = Current->Confirm(Msg);
  return (Answer == mrYes || Answer == mrNo) ? Answer : mrCancel;
}
