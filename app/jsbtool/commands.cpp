#include "commands.h"

#include <QFile>
#include <algorithm>
#include <iostream>
#include <iterator>
#include <optional>

#include "beans/jsbwriter.h"
#include "beans/modelinput.h"
#include "check.h"
#include "dump.h"
#include "findings.h"
#include "inputs.h"
#include "problems.h"
#include "readfile.h"
#include "report.h"
#include "scriptfindings.h"
#include "widgets/fileerror.h"
#include "widgets/regularfile.h"
#include "widgets/textfile.h"

namespace {

// A model is a few kilobytes; past this size the input is taken for a mistake.
constexpr qint64 MaxModelBytes = qint64(1) << 30;

// The model file's bytes exactly as stored: EFileError when it is not a
// regular file or cannot be read, EModelError when it is too large.
std::string ReadModelBytes(const std::string& FileName) {
  QFile File;
  if (!OpenRegularFile(File, FileName)) throw EFileError(EFileError::TKind::Open, FileName);
  const EModelError TooLarge("the file is larger than 1 GiB");
  if (File.size() > MaxModelBytes) throw TooLarge;
  std::string Bytes;
  Bytes.reserve(static_cast<size_t>(File.size()));
  char Buffer[65536];
  while (const qint64 N = File.read(Buffer, sizeof Buffer)) {  // it may grow while read
    if (N < 0) throw EFileError(EFileError::TKind::Open, FileName);
    if (static_cast<qint64>(Bytes.size()) + N > MaxModelBytes) throw TooLarge;
    Bytes.append(Buffer, static_cast<size_t>(N));
  }
  return Bytes;
}

// The differences, then a line for the model ("ok" only when nothing at all
// would change).
void ReportDifferences(const std::string& FileName, const std::vector<TDifference>& Lost,
                       std::ostream& Out) {
  for (const TDifference& D : Lost)
    Out << FileName << ": " << DifferenceText(D) << '\n';
  Out << FileName << ": " << (Lost.empty() ? "ok" : LostText(Lost.size())) << '\n';
}

// Standard input as a file's text: its line breaks normalised as LoadTextFile
// does.
std::string ReadStandardInput() {
  std::string Raw(std::istreambuf_iterator<char>(std::cin), {});
  return NormaliseLineBreaks(std::move(Raw));
}

// The file's problems; none when it cannot be read, which Err is told.
std::optional<TFileCheck> CheckFile(const std::string& FileName, std::ostream& Err) {
  const bool Stdin = FileName == "-";
  const std::string Name = Stdin ? "<stdin>" : FileName;
  std::string Text;
  try {
    Text = Stdin ? ReadStandardInput() : LoadTextFile(FileName);
  } catch (const EFileError& E) {
    Err << "jsbtool: " << E.what() << '\n';
    return std::nullopt;
  }
  const TReadFile First = ReadTextView(Text, Name);
  if (!First.Result.Valid) return ProblemsOf(Name, First, {}, {});
  std::vector<TFinding> Findings = FindingsOf(First.Result);
  PlaceColumns(Findings, First.Result, Text);
  AddScriptFinding(Findings, First.Result, Text);
  // The text goes first, so that what follows reuses its memory.
  const std::vector<TDifference> Lost = LostInSave(First.Result, std::move(Text), Name);
  return ProblemsOf(Name, First, Lost, Findings);
}

}  // namespace

int DumpCommand(const std::string& FileName, std::ostream& Out, std::ostream& Err) {
  try {
    DumpJson(ReadFile(FileName), Out);
    return ExitOk;
  } catch (const EFileError& E) {
    Err << "jsbtool: " << E.what() << '\n';
    return ExitError;
  }
}

// Nothing is written unless the whole model was read without a fault, and
// with every value surviving a save and reopen, or Force.
int WriteCommand(const std::string& ModelFile, const std::string& OutFile, bool Force,
                 std::ostream& Err) {
  try {
    const TJSBReadResult Model = ParseModel(ReadModelBytes(ModelFile));
    std::vector<TDifference> Lost = CompareReads(Model, ReadText(SavedText(Model), OutFile).Result);
    // A model has no captions of its own: a node's caption follows its name.
    std::erase_if(Lost, [](const TDifference& D) { return D.Field == "Caption"; });
    if (!Lost.empty()) {
      ReportDifferences(OutFile, Lost, Err);
      if (!Force) {
        Err << OutFile << ": not written (--force writes it all the same)\n";
        return ExitLost;
      }
    }
    WriteJSBFile(OutFile, *Model.Bean, Model.Constructor, Model.Encoding);
    return ExitOk;
  } catch (const EModelError& E) {
    Err << "jsbtool: " << ModelFile << ": " << E.what() << '\n';
  } catch (const EFileError& E) {
    Err << "jsbtool: " << E.what() << '\n';
  }
  return ExitError;
}

int CheckCommand(const std::vector<std::string>& Names, const TCheckOptions& Options,
                 std::ostream& Out, std::ostream& Err) {
  const TInputs Inputs = ExpandInputs(Names, Options.Recursive, Err);
  const std::unique_ptr<TReport> Report =
      TReport::Make(Options.Format, Options.Quiet, Options.Strict, Out);
  int Worst = Inputs.Failed ? ExitError : ExitOk;
  for (const std::string& FileName : Inputs.Files) {
    const std::optional<TFileCheck> Check = CheckFile(FileName, Err);
    if (!Check) {
      Worst = ExitError;
      continue;
    }
    Report->File(*Check);
    if (Fails(*Check, Options.Strict)) Worst = std::max(Worst, ExitLost);
  }
  Report->Finish();
  return Worst;
}
