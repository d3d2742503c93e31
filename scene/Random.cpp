#include "scene/Random.h"

#include <optional>

#include "gameplay/Random.h"
#include "runtime/system.h"

namespace {
std::optional<std::uint64_t> fixedSeed;
}  // namespace

void Randomize() {
  std::int64_t now = 0;
  sys::system().QueryPerformanceCounter(now);
  SeedRandom(fixedSeed ? *fixedSeed : static_cast<std::uint64_t>(now));
}

void FixRandomSeed(std::uint64_t seed) {
  fixedSeed = seed;
  SeedRandom(seed);
}
