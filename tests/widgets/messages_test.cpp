#include "widgets/messages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TScripted : public TMessageHandler {
 public:
  std::vector<std::string> Seen;
  short Answer = mrYes;
  void Info(const std::string& Msg) override { Seen.push_back("info:" + Msg); }
  short Confirm(const std::string& Msg) override {
    Seen.push_back("confirm:" + Msg);
    return Answer;
  }
};

}  // namespace

TEST(Messages, ForwardToTheInstalledHandlerAndRestore) {
  TScripted Outer, Inner;
  {
    TScopedMessageHandler A(&Outer);
    InfoMessage("one");
    {
      TScopedMessageHandler B(&Inner);
      Inner.Answer = mrNo;
      EXPECT_EQ(ConfirmMessage("sure?"), mrNo);
    }
    Outer.Answer = mrYes;
    EXPECT_EQ(ConfirmMessage("again?"), mrYes);
  }
  EXPECT_EQ(Outer.Seen, (std::vector<std::string>{"info:one", "confirm:again?"}));
  EXPECT_EQ(Inner.Seen, (std::vector<std::string>{"confirm:sure?"}));
}

TEST(Messages, AnythingButYesOrNoCountsAsCancel) {
  TScripted Handler;
  TScopedMessageHandler Scope(&Handler);
  Handler.Answer = 0;  // a dialog closed with its close box
  EXPECT_EQ(ConfirmMessage("q"), mrCancel);
  Handler.Answer = 99;
  EXPECT_EQ(ConfirmMessage("q"), mrCancel);
}

TEST(Messages, DefaultHandlerAnswersCancel) {
  TScopedMessageHandler Scope(nullptr);
  EXPECT_EQ(ConfirmMessage("Save changes?"), mrCancel);
}
