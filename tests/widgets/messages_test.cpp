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

// Arguments go in as bytes, in one pass: what one brings is not read again.
TEST(Messages, WithArgumentsFillsEachPlaceOnce) {
  const struct {
    const char* Format;
    std::initializer_list<std::string_view> Arguments;
    std::string Expected;
  } Cases[] = {
      {"Cannot open file %1", {"a\xff.jsb"}, "Cannot open file a\xff.jsb"},
      {"%2 of %1", {"%2", "x"}, "x of %2"},
      {"With %1 empty, %1 too", {"Type"}, "With Type empty, Type too"},
      {"100% sure, %3 kept", {"a"}, "100% sure, %3 kept"},
      {"\u00e4 %1", {"b"}, "\u00e4 b"},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(WithArguments(QString::fromUtf8(Case.Format), Case.Arguments), Case.Expected)
        << Case.Format;
}
