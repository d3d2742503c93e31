#include "scene/Random.h"

#include "gameplay/Random.h"
#include "runtime/system.h"

std::uint64_t Randomize(std::optional<std::uint64_t> fixedSeed) {
  std::int64_t now = 0;
  sys::system().QueryPerformanceCounter(now);
  const std::uint64_t seed = fixedSeed ? *fixedSeed : static_cast<std::uint64_t>(now);
  SeedRandom(seed);
  return seed;
}
