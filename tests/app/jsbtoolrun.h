// Running the jsbtool binary on files in a temporary folder, and the
// programs without a display.
#pragma once

#include <QJsonObject>
#include <QTemporaryDir>
#include <string>
#include <vector>

struct TRun {
  int Status = -1;  // exit status; -1 when it crashed or did not finish
  std::string Out, Err;
};

// Input goes to its standard input.
TRun RunTool(const std::vector<std::string>& Args, const std::string& Input = {});
// Runs a program where no display can be reached: a program that starts the
// window toolkit then fails.
TRun RunWithoutDisplay(const char* Program, const std::vector<std::string>& Args);

class TToolFolder {
 public:
  // The full path of Name in the folder.
  std::string Path(const std::string& Name) const;
  // Writes Bytes exactly and returns the full path.
  std::string Write(const std::string& Name, const std::string& Bytes) const;
  std::string Read(const std::string& Name) const;
  bool Exists(const std::string& Name) const;

 private:
  QTemporaryDir FDir;
};

// Joins lines with CR LF after each one.
std::string CrLf(const std::vector<std::string>& Lines);

// The dump output parsed; a test failure when it is not one JSON object.
QJsonObject DumpOf(const std::string& File);

// True when every key appears as a member name in Json in this order,
// starting the search at the first occurrence of After.
bool KeysInOrder(const std::string& Json, const std::string& After,
                 const std::vector<std::string>& Keys);
