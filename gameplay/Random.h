// The one random generator of the game: every draw of the field objects and the screens goes
// through it, so a run with a fixed seed repeats exactly.
#pragma once

#include <cstdint>

// Uniform in 0..n-1 (0 when n <= 0).
int Random(int n);
void SeedRandom(std::uint64_t seed);
