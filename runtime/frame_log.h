// A line per frame shown, for the benchmarks, written only when the environment variable
// GLINT_FRAME_LOG names a file: when the frame was shown (milliseconds of the real-time clock,
// and microseconds of the steady clock), how long building and drawing it took (microseconds),
// and the software renderer's counts (cards drawn, pixels written, pixels of the picture drawn
// again, rectangles).
#pragma once

namespace rt {

// Measures the frame drawn by `draw` and logs it when the log is on.
template <typename Draw>
void drawLogged(Draw draw);

void logFrame(long long shownMs, long long shownMicros, long drawMicros);
bool frameLogOn();
long long realTimeMs();
long long steadyMicros();

template <typename Draw>
void drawLogged(Draw draw) {
  if (!frameLogOn()) {
    draw();
    return;
  }
  const long long start = steadyMicros();
  draw();
  const long long end = steadyMicros();
  logFrame(realTimeMs(), end, static_cast<long>(end - start));
}

}  // namespace rt
