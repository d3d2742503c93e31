// Seeding of the game's generator (gameplay/Random.h). A fixed seed (--seed) makes a run
// repeatable; otherwise every scene set-up, and every new game, seeds it from the clock.
#pragma once

#include <cstdint>
#include <optional>

// Seeds with the fixed seed when there is one, else from the performance counter; the seed.
std::uint64_t Randomize(std::optional<std::uint64_t> fixedSeed);
