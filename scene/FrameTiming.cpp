#include "scene/FrameTiming.h"

#include <cmath>

long double TFrameTiming::StartFrame(std::int64_t now) {
  PreviousFrameStart = LastFrameStart;
  LastFrameStart = now;
  long double interval =
      static_cast<long double>(LastFrameStart - PreviousFrameStart) * SecondsPerCount;
  if (std::fabs(interval) > 1.0L || std::fabs(interval) < 0.000001L) interval = 0;
  return interval / 0.013L;
}
