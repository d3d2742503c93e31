// The one random generator of the game: every draw of the field objects and the screens goes
// through it, so a run with a fixed seed repeats exactly.
#pragma once

#include <cstdint>
#include <random>

// Uniform in 0..n-1 (0 when n <= 0).
int Random(int n);
void SeedRandom(std::uint64_t seed);

// The generator as it stands, to be put back later (a replayed game draws from a seed of its
// own and leaves the program's draws as they were).
using TRandomState = std::mt19937_64;
TRandomState SaveRandom();
void RestoreRandom(const TRandomState& state);
