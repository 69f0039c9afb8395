#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Wall-clock timing for benchmarks that measure one event at a time (a keystroke, a
// start-up) and report the median of their samples.
using BenchClock = std::chrono::steady_clock;

inline double millisecondsSince(BenchClock::time_point start) {
  return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

inline double median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t n = samples.size();
  return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}
