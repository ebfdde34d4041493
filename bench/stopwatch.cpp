#include "stopwatch.h"

#include <algorithm>
#include <cstdio>

TTiming Summarise(std::vector<double> Seconds) {
  std::sort(Seconds.begin(), Seconds.end());
  const std::size_t N = Seconds.size();
  const double Median = N % 2 ? Seconds[N / 2] : (Seconds[N / 2 - 1] + Seconds[N / 2]) / 2;
  const std::size_t Rank = (N * 95 + 99) / 100;  // the nearest rank, from 1
  return {Seconds.front(), Median, Seconds[Rank - 1]};
}

double LoadAverage() {
  double Load = 0;
  if (FILE* F = std::fopen("/proc/loadavg", "r")) {
    if (std::fscanf(F, "%lf", &Load) != 1) Load = 0;
    std::fclose(F);
  }
  return Load;
}
