#include "gameplay/Random.h"

namespace {
std::mt19937_64 generator;
}  // namespace

int Random(int n) {
  if (n <= 0) return 0;
  return static_cast<int>(generator() % static_cast<std::uint64_t>(n));
}

void SeedRandom(std::uint64_t seed) {
  generator.seed(seed);
}

TRandomState SaveRandom() {
  return generator;
}

void RestoreRandom(const TRandomState& state) {
  generator = state;
}
