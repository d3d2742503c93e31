// The one random generator of the game. A fixed seed (--seed) makes a run repeatable; otherwise
// scene set-up seeds it from the clock.
#pragma once

#include <cstdint>

// Uniform in 0..n-1 (0 when n <= 0).
int Random(int n);
// Seeds from the clock, unless a fixed seed was given.
void Randomize();
void FixRandomSeed(std::uint64_t seed);
