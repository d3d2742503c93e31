#include "scene/FrameTiming.h"

std::int64_t TFrameTiming::StartFrame(std::int64_t now) {
  const std::int64_t nowMs = Millis(now);
  const std::int64_t step = nowMs - LastFrameStartMs;
  LastFrameStartMs = nowMs;
  return step;
}

long double FrameFactor(std::int64_t stepMs) {
  if (stepMs <= 0 || stepMs > 1000) return 0;
  // The seconds as a counter of microseconds gives them: a step of whole milliseconds makes the
  // factor it made when frames were timed to the microsecond, to the last bit.
  const long double seconds = static_cast<long double>(stepMs * 1000) * (1.0L / 1000000.0L);
  return seconds / 0.013L;
}
