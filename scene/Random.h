// Seeding of the game's generator (gameplay/Random.h). A fixed seed (--seed) makes a run
// repeatable; otherwise scene set-up seeds it from the clock.
#pragma once

#include <cstdint>

// Seeds from the clock, unless a fixed seed was given.
void Randomize();
void FixRandomSeed(std::uint64_t seed);
