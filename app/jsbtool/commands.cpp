#include "commands.h"

#include <QFile>
#include <algorithm>

#include "beans/jsbwriter.h"
#include "beans/modelinput.h"
#include "check.h"
#include "dump.h"
#include "findings.h"
#include "readfile.h"
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

// A notice on one output line: control characters become visible escapes.
std::string OneLine(const std::string& Text) {
  std::string Out;
  for (char C : Text) {
    if (C == '\r')
      Out += "\\r";
    else if (C == '\n')
      Out += "\\n";
    else if (static_cast<unsigned char>(C) < 0x20)
      Out += ' ';
    else
      Out += C;
  }
  return Out;
}

void ReportFindings(const std::string& FileName, const std::vector<TFinding>& Findings,
                    std::ostream& Out) {
  for (const TFinding& F : Findings)
    Out << FileName << ':' << F.Line << ": " << F.Kind << ": " << F.Text << '\n';
}

std::string Plural(size_t N, const char* One, const char* Many) {
  return std::to_string(N) + " " + (N == 1 ? One : Many);
}

// The differences, then a line for the file ("ok" only when nothing at all
// would change) and the count of findings when there are any.
void ReportDifferences(const std::string& FileName, const std::vector<TDifference>& Lost,
                       size_t Findings, std::ostream& Out) {
  for (const TDifference& D : Lost)
    Out << FileName << ": " << D.Item << ": " << D.Field << ": " << D.Before << " -> " << D.After
        << '\n';
  Out << FileName << ": ";
  if (Lost.empty() && Findings == 0)
    Out << "ok";
  else if (Lost.empty())
    Out << "every value survives a save and reopen";
  else
    Out << Plural(Lost.size(), "value", "values") << " would not survive a save and reopen";
  Out << '\n';
  if (Findings) Out << FileName << ": " << Plural(Findings, "finding", "findings") << '\n';
}

int CheckFile(const std::string& FileName, bool Strict, std::ostream& Out, std::ostream& Err) {
  std::string Text;
  try {
    Text = LoadTextFile(FileName);
  } catch (const EFileError& E) {
    Err << "jsbtool: " << E.what() << '\n';
    return ExitError;
  }
  const TReadFile First = ReadTextView(Text, FileName);
  for (const std::string& Notice : First.Notices)
    Out << FileName << ": notice: " << OneLine(Notice) << '\n';
  if (!First.Result.Valid) {
    Out << FileName << ": not a JSB file: nothing in it would be kept\n";
    return ExitLost;
  }
  // The text goes first, so that what follows reuses its memory.
  const std::vector<TDifference> Lost = LostInSave(First.Result, std::move(Text), FileName);
  const std::vector<TFinding> Findings = FindingsOf(First.Result);
  ReportFindings(FileName, Findings, Out);
  const size_t Found = Findings.size() + First.Notices.size();
  ReportDifferences(FileName, Lost, Found, Out);
  return Lost.empty() && !(Strict && Found) ? ExitOk : ExitLost;
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
      ReportDifferences(OutFile, Lost, 0, Err);
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

int CheckCommand(const std::vector<std::string>& FileNames, bool Strict, std::ostream& Out,
                 std::ostream& Err) {
  int Worst = ExitOk;
  for (const std::string& FileName : FileNames)
    Worst = std::max(Worst, CheckFile(FileName, Strict, Out, Err));
  return Worst;
}
