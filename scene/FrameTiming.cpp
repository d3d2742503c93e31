#include "scene/FrameTiming.h"

#include <cmath>

#include "runtime/system.h"

long double SecondsPerCount = 1.0L / 1000000.0L;
std::int64_t LastFrameStart = 0;
std::int64_t PreviousFrameStart = 0;

void StartFrameTiming() {
  std::int64_t now = 0;
  sys::system().QueryPerformanceCounter(now);
  PreviousFrameStart = LastFrameStart;
  LastFrameStart = now;
}

long double FrameFactor() {
  std::int64_t now = 0;
  sys::system().QueryPerformanceCounter(now);
  long double interval = static_cast<long double>(now - PreviousFrameStart) * SecondsPerCount;
  if (std::fabs(interval) > 1.0L || std::fabs(interval) < 0.000001L) interval = 0;
  return interval / 0.013L;
}
