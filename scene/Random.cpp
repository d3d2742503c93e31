#include "scene/Random.h"

#include <optional>
#include <random>

#include "runtime/system.h"

namespace {
std::mt19937_64 generator;
std::optional<std::uint64_t> fixedSeed;
}  // namespace

int Random(int n) {
  if (n <= 0) return 0;
  return static_cast<int>(generator() % static_cast<std::uint64_t>(n));
}

void Randomize() {
  std::int64_t now = 0;
  sys::system().QueryPerformanceCounter(now);
  generator.seed(fixedSeed ? *fixedSeed : static_cast<std::uint64_t>(now));
}

void FixRandomSeed(std::uint64_t seed) {
  fixedSeed = seed;
  generator.seed(seed);
}
