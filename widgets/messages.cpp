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

std::string WithArguments(const QString& Format,
                          std::initializer_list<std::string_view> Arguments) {
  const std::string Text = Format.toStdString();
  std::string Out;
  for (size_t I = 0; I < Text.size(); ++I) {
    const char Next = I + 1 < Text.size() ? Text[I + 1] : 0;
    const auto N = static_cast<size_t>(Next - '1');
    if (Text[I] == '%' && Next >= '1' && Next <= '9' && N < Arguments.size()) {
      Out += Arguments.begin()[N];
      ++I;
    } else {
      Out += Text[I];
    }
  }
  return Out;
}

short ConfirmMessage(const std::string& Msg) {
  const short Answer = Current->Confirm(Msg);
  return (Answer == mrYes || Answer == mrNo) ? Answer : mrCancel;
}
