// Repeated wall-clock timing of one operation.
#pragma once

#include <chrono>
#include <utility>
#include <vector>

// Best, median and 95th percentile of several runs, in seconds.
struct TTiming {
  double Best = 0;
  double Median = 0;
  double P95 = 0;  // the smallest sample that 95 % of them do not exceed
};

// Best, median and 95th percentile of the samples (which must not be empty).
TTiming Summarise(std::vector<double> Seconds);

// Runs Operation(Prepare()) Runs times and times the operation alone: neither
// preparing its input nor destroying its result is counted.
template <class P, class F>
TTiming TimeRuns(int Runs, P&& Prepare, F&& Operation) {
  std::vector<double> Seconds;
  for (int I = 0; I < Runs; ++I) {
    auto Input = Prepare();
    const auto Start = std::chrono::steady_clock::now();
    [[maybe_unused]] auto Result = Operation(std::move(Input));  // destroyed untimed
    const std::chrono::duration<double> Took = std::chrono::steady_clock::now() - Start;
    Seconds.push_back(Took.count());
  }
  return Summarise(std::move(Seconds));
}

// The same for an operation without input.
template <class F>
TTiming TimeRuns(int Runs, F&& Operation) {
  return TimeRuns(
      Runs, [] { return 0; }, [&](int) { return Operation(); });
}

// The machine's load average over the last minute; 0 where it is unknown.
double LoadAverage();
