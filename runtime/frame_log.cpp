#include "runtime/frame_log.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "runtime/render_stats.h"

namespace rt {
namespace {

std::FILE* logFile() {
  static std::FILE* file = [] {
    const char* name = std::getenv("GLINT_FRAME_LOG");
    return name && *name ? std::fopen(name, "w") : nullptr;
  }();
  return file;
}

}  // namespace

bool frameLogOn() {
  return logFile() != nullptr;
}

long long realTimeMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

long long steadyMicros() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void logFrame(long long shownMs, long long shownMicros, long drawMicros) {
  const RenderStats& s = lastRenderStats();
  // Flushed every line: the benchmarks stop the program with a signal.
  std::fprintf(logFile(), "%lld %lld %ld %ld %ld %ld %ld\n", shownMs, shownMicros, drawMicros,
               s.cards, s.pixels, s.damagedPixels, s.rectangles);
  std::fflush(logFile());
}

}  // namespace rt
