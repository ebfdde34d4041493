// A message handler that counts the reader's notices instead of printing them.
#pragma once

#include <string>

#include "widgets/messages.h"

class TQuietMessages : public TMessageHandler {
 public:
  TQuietMessages() : FScope(this) {}
  void Info(const std::string&) override { ++Notices; }
  short Confirm(const std::string&) override { return mrCancel; }
  int Notices = 0;

 private:
  TScopedMessageHandler FScope;
};
