// Records put into a store the way a player's game does it: a token, then the record.
#pragma once

#include <cstdint>

#include "server/ScoreStore.h"

namespace server_testing {

// Unix milliseconds the store tests start from.
inline constexpr std::int64_t kStartMs = 1'700'000'000'000;

// Issues a token to the record's address at `nowMs` and stores the record with it; false when
// either is refused.
bool SendRecord(ScoreStore& store, const StoredScore& record, std::int64_t nowMs = kStartMs);

}  // namespace server_testing
