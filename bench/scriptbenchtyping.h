// Typing latency in the source editor with the constructor's syntax check on
// and off, on one shown editor in the same run.
#pragma once

#include <QString>
#include <chrono>

#include "sidebyside.h"

class TLEdit;

// How a turn types: Bursts bursts of Keys letters typed one after another,
// each burst followed by Gap with the event loop running. A Gap longer than
// the check's Pause lets a check start, which then runs in the background
// while the next bursts are typed.
struct TTypingPlan {
  int Runs = 1;  // rounds of A B B A, A with the check on
  int Bursts = 1;
  int Keys = 1;
  std::chrono::milliseconds Gap{250};
  std::chrono::milliseconds Pause{100};  // the check's
};

struct TTypingResult {
  bool Ok = false;  // every turn with the check on ended with its result shown
  // Per key: the key sent, its screen styled and painted, the events it left
  // processed; processor time of the GUI thread alone.
  TSide On{CLOCK_THREAD_CPUTIME_ID}, Off{CLOCK_THREAD_CPUTIME_ID};
  // Seconds the GUI thread waited for a core during the keys: a machine
  // busier than its cores shows here, not in the processor time.
  double OnQueued = 0, OffQueued = 0;
  QString Typed;             // every letter typed, in order
  double OnWall = 0;         // seconds the turns with the check on took
  double BackgroundCpu = 0;  // processor seconds of other threads in them
  int Shown = 0;             // the check's results shown
};

// Types into Edit at its caret as Plan says; the text should stay valid.
TTypingResult MeasureTyping(TLEdit& Edit, const TTypingPlan& Plan);

// Prints R's figures under the heading of a caret Where in the text.
void PrintTyping(const char* Where, const TTypingResult& R, const TTypingPlan& Plan);
