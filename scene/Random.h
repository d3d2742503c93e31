// Seeding of the game's generator (gameplay/Random.h). A fixed seed (--seed) makes a run
// repeatable; otherwise every scene set-up seeds it from the clock.
#pragma once

#include <cstdint>
#include <optional>

// Seeds with the fixed seed when there is one, else from the performance counter.
void Randomize(std::optional<std::uint64_t> fixedSeed);
