// Opening generated JSB files in the main window: what it takes and what the
// window shows afterwards.
#pragma once

#include <QString>
#include <string>

#include "beangen.h"
#include "stopwatch.h"

// The state of the window after a file was opened.
struct TOpenedView {
  int Nodes = 0;  // every node of the component tree
  int RootChildren = 0;
  int ParameterNodes = 0;  // nodes below method nodes
  int MethodNodes = 0;
  int ExpandedMethods = 0;
  bool RootExpanded = false;
  bool RootSelected = false;  // the current item, and selected
  QString Page;               // the attribute page shown
};

struct TOpenResult {
  TTiming Open;      // LoadFile and the events that follow until idle
  TOpenedView View;  // after the last run
  int Notices = 0;   // reader messages over all runs
};

// Generates a component with Items items and writes it to FileName.
TGeneratedBean WriteGeneratedFile(int Items, const std::string& FileName);

// Runs times: a fresh window is created, shown and left idle (untimed), then
// FileName is opened in it and the events are processed until none are left
// (timed); the window is inspected and destroyed (untimed).
TOpenResult TimeOpening(const QString& FileName, int Runs);

class TMainForm;

// Writes a generated component of Items items to FileName and opens it in the
// shown Form, with the events that follow.
void OpenGeneratedFile(TMainForm& Form, int Items, const std::string& FileName);

// Processes events until a pass finds none waiting (at most a few thousand
// passes, in case something keeps posting).
void ProcessEventsUntilIdle();
