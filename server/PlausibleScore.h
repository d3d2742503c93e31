// The scores a record may carry: those a game can reach.
#pragma once

#include <cstdint>

// One game through the shipped levels scores at most 1 374 537: every brick hit for all its
// points, every brick that can drop a capsule dropping the one worth most (the gun, 500), and
// every level ended with its whole time limit still to count. Three times that leaves room for
// the levels played again after their time ran out. tests/server/plausible_score_test.cpp
// derives it from the levels anew, so a change of the levels cannot leave it behind.
inline constexpr std::int32_t kMaxPlausibleScore = 4123611;

inline bool IsPlausibleScore(std::int32_t score) {
  return score >= 0 && score <= kMaxPlausibleScore;
}
