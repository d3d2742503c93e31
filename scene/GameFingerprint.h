// Where a game has got to, as one number: a hash of its counters, its phase and every object of
// its field, as the state dump shows them but to the last bit of each number. A replay keeps the
// fingerprint its game ended with; playing it again must end on the same.
#pragma once

#include <cstdint>

class TGame;

std::uint64_t GameFingerprint(const TGame& game);
