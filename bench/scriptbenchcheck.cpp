#include "scriptbenchcheck.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "editor/editorsettings.h"
#include "editor/tokenizer.h"
#include "jscheck/syntaxcheck.h"
#include "peakmemory.h"
#include "sidebyside.h"

std::string ReadFileBytes(const std::string& FileName) {
  std::ifstream In(FileName, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + FileName);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

int RunCheckMemoryChild(const std::string& FileName) {
  const std::string Text = ReadFileBytes(FileName);
  const std::size_t Baseline = PeakResidentBytes();
  const TSyntaxCheck Check = CheckConstructorSyntax(Text);
  const std::size_t Peak = PeakResidentBytes();
  if (!Check.Finished) return 1;
  std::printf("%zu %zu %d\n", Baseline, Peak, Check.Error ? 1 : 0);
  return 0;
}

bool CompareCheck(const std::string& Text, int Runs) {
  const TTokenizer Tokenizer(ParseSyntax(JavaScriptSyntax));
  TSide Check, Anchor;
  TSyntaxCheck Result;
  volatile std::size_t Tokens = 0;  // keeps the anchor's work
  Alternate(
      Runs, [&] { Check.Measure([&] { Result = CheckConstructorSyntax(Text); }); },
      [&] { Anchor.Measure([&] { Tokens = Tokenizer.TokenizeText(Text).size(); }); });
  Check.Print("the syntax check");
  Anchor.Print("anchor: the editor's tokenizer pass");
  std::printf("  %-36s %.2f x the anchor (processor time, medians)\n", "",
              Check.Cpu().Median / Anchor.Cpu().Median);
  if (!Result.Finished) std::printf("  the check ran out of time\n");
  if (Result.Error)
    std::printf("  the check found an error on line %d: %s\n", Result.Error->Line,
                Result.Error->Message.c_str());
  return Result.Finished && !Result.Error;
}
