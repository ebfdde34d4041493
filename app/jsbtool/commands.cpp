#include "commands.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "beans/jsbwriter.h"
#include "check.h"
#include "dump.h"
#include "modelinput.h"
#include "readfile.h"
#include "widgets/fileerror.h"

namespace {

// The file's bytes exactly as stored; EFileError when it cannot be read.
std::string ReadBytes(const std::string& FileName) {
  QFile File(QFile::decodeName(QByteArray::fromStdString(FileName)));
  if (QFileInfo(File.fileName()).isDir() || !File.open(QIODevice::ReadOnly))
    throw EFileError(EFileError::TKind::Open, FileName);
  const QByteArray Bytes = File.readAll();
  if (File.error() != QFileDevice::NoError) throw EFileError(EFileError::TKind::Open, FileName);
  return Bytes.toStdString();
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
    Err << E.what() << '\n';
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
    Out << DumpJson(ReadFile(FileName));
    return ExitOk;
  } catch (const EFileError& E) {
    Err << E.what() << '\n';
    return ExitError;
  }
}

// Nothing is written unless the whole model was read without a fault.
int WriteCommand(const std::string& ModelFile, const std::string& OutFile, std::ostream& Err) {
  try {
    const TModel Model = ParseModel(ReadBytes(ModelFile));
    WriteJSBFile(OutFile, *Model.Bean, Model.Constructor, Model.Encoding);
    return ExitOk;
  } catch (const EModelError& E) {
    Err << ModelFile << ": " << E.what() << '\n';
  } catch (const EFileError& E) {
    Err << E.what() << '\n';
  }
  return ExitError;
}

int CheckCommand(const std::vector<std::string>& FileNames, std::ostream& Out, std::ostream& Err) {
  int Worst = ExitOk;
  for (const std::string& FileName : FileNames)
    Worst = std::max(Worst, CheckFile(FileName, Out, Err));
  return Worst;
}
