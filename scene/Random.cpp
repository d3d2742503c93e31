#include "scene/Random.h"

#include "gameplay/Random.h"
#include "runtime/system.h"

void Randomize(std::optional<std::uint64_t> fixedSeed) {
  std::int64_t now = 0;
  sys::system().QueryPerformanceCounter(now);
  SeedRandom(fixedSeed ? *fixedSeed : static_cast<std::uint64_t>(now));
}
