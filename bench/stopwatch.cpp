#include "stopwatch.h"

#include <algorithm>

TTiming Summarise(std::vector<double> Seconds) {
  std::sort(Seconds.begin(), Seconds.end());
  const std::size_t N = Seconds.size();
  const double Median = N % 2 ? Seconds[N / 2] : (Seconds[N / 2 - 1] + Seconds[N / 2]) / 2;
  return {Seconds.front(), Median};
}
