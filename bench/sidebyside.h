// Timing an operation beside an anchor in the same run: each call measured in
// processor and wall time, the samples of a side summarised together.
#pragma once

#include <cstdio>
#include <ctime>
#include <vector>

#include "stopwatch.h"

inline double ClockSeconds(clockid_t Clock) {
  timespec Now{};
  clock_gettime(Clock, &Now);
  return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
}

// Runs times A B B A: each side comes first and last in turn, so that a drift
// in the machine's speed falls on both alike.
template <class TA, class TB>
void Alternate(int Runs, const TA& A, const TB& B) {
  for (int I = 0; I < Runs; ++I) {
    A();
    B();
    B();
    A();
  }
}

// The processor and wall time of every call, for one line of the report.
// The processor time is the whole process's unless another clock is given
// (CLOCK_THREAD_CPUTIME_ID: the calling thread's alone).
class TSide {
 public:
  explicit TSide(clockid_t CpuClock = CLOCK_PROCESS_CPUTIME_ID) : FCpuClock(CpuClock) {}
  template <class F>
  void Measure(F&& Operation) {
    const double Cpu = ClockSeconds(FCpuClock);
    const double Wall = ClockSeconds(CLOCK_MONOTONIC);
    Operation();
    FCpu.push_back(ClockSeconds(FCpuClock) - Cpu);
    FWall.push_back(ClockSeconds(CLOCK_MONOTONIC) - Wall);
  }
  TTiming Cpu() const { return Summarise(FCpu); }
  TTiming Wall() const { return Summarise(FWall); }
  void Print(const char* Name) const {
    const TTiming C = Summarise(FCpu);
    const TTiming W = Summarise(FWall);
    std::printf("  %-36s cpu best %9.4f median %9.4f ms   wall best %9.4f median %9.4f ms\n", Name,
                C.Best * 1e3, C.Median * 1e3, W.Best * 1e3, W.Median * 1e3);
  }

 private:
  clockid_t FCpuClock;
  std::vector<double> FCpu, FWall;
};
