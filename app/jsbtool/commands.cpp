#include "commands.h"

#include <QFile>
#include <algorithm>

#include "beans/jsbwriter.h"
#include "check.h"
#include "dump.h"
#include "modelinput.h"
#include "readfile.h"
#include "widgets/fileerror.h"
#include "widgets/regularfile.h"

namespace {

// A model is a few kilobytes; past this size the input is taken for a mistake.
constexpr qint64 MaxModelBytes = qint64(1) << 30;

// The model file's bytes exactly as stored: EFileError when it is not a
// regular file or cannot be read, EModelError when it is too large.
std::string ReadModelBytes(const std::string& FileName) {
  QFile File(QFile::decodeName(QByteArray::fromStdString(FileName)));
  if (!OpenRegularFile(File)) throw EFileError(EFileError::TKind::Open, FileName);
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

void ReportDifferences(const std::string& FileName, const std::vector<TDifference>& Lost,
                       std::ostream& Out) {
  for (const TDifference& D : Lost)
    Out << FileName << ": " << D.Item << ": " << D.Field << ": " << D.Before << " -> " << D.After
        << '\n';
  if (Lost.empty())
    Out << FileName << ": ok\n";
  else
    Out << FileName << ": " << Lost.size() << (Lost.size() == 1 ? " value" : " values")
        << " would not survive a save and reopen\n";
}

int CheckFile(const std::string& FileName, std::ostream& Out, std::ostream& Err) {
  TReadFile First;
  try {
    First = ReadFile(FileName);
  } catch (const EFileError& E) {
    Err << "jsbtool: " << E.what() << '\n';
    return ExitError;
  }
  for (const std::string& Notice : First.Notices)
    Out << FileName << ": notice: " << OneLine(Notice) << '\n';
  if (!First.Result.Valid) {
    Out << FileName << ": not a JSB file: nothing in it would be kept\n";
    return ExitLost;
  }
  const TReadFile Second = ReadText(SavedText(First.Result), FileName);
  const std::vector<TDifference> Lost = CompareReads(First.Result, Second.Result);
  ReportDifferences(FileName, Lost, Out);
  return Lost.empty() ? ExitOk : ExitLost;
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

// Nothing is written unless the whole model was read without a fault.
int WriteCommand(const std::string& ModelFile, const std::string& OutFile, std::ostream& Err) {
  try {
    const TModel Model = ParseModel(ReadModelBytes(ModelFile));
    WriteJSBFile(OutFile, *Model.Bean, Model.Constructor, Model.Encoding);
    return ExitOk;
  } catch (const EModelError& E) {
    Err << "jsbtool: " << ModelFile << ": " << E.what() << '\n';
  } catch (const EFileError& E) {
    Err << "jsbtool: " << E.what() << '\n';
  }
  return ExitError;
}

int CheckCommand(const std::vector<std::string>& FileNames, std::ostream& Out, std::ostream& Err) {
  int Worst = ExitOk;
  for (const std::string& FileName : FileNames)
    Worst = std::max(Worst, CheckFile(FileName, Out, Err));
  return Worst;
}
