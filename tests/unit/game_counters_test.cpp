// The game's counters as the game keeps them, and the time limit of a level.
#include <gtest/gtest.h>

#include <cstdint>

#include "gameplay/Counters.h"
#include "scene/Game.h"

namespace {

TEST(GameCounters, KeepAnyValueButANegativeScore) {
  TGameCounters counters;
  counters.SetScore(1234);
  counters.SetLevel(7);
  counters.SetLives(-2);
  counters.SetMissiles(6);
  EXPECT_EQ(counters.GetScore(), 1234);
  EXPECT_EQ(counters.GetLevel(), 7);
  EXPECT_EQ(counters.GetLives(), -2) << "only the score refuses negative values";
  EXPECT_EQ(counters.GetMissiles(), 6);

  counters.SetScore(-5);
  EXPECT_EQ(counters.GetScore(), 1234);
  counters.SetScore(50);
  counters.AddScore(-100);
  EXPECT_EQ(counters.GetScore(), 50) << "a deduction larger than the score is dropped whole";
  counters.SetScore(INT32_MAX - 5);
  counters.AddScore(100);
  EXPECT_EQ(counters.GetScore(), INT32_MAX) << "the counter stops at its top";
}

TEST(GameCounters, TheTimeLimitShrinksWithTheLevel) {
  const struct {
    std::int32_t level;
    double seconds;
  } cases[] = {{1, 290}, {2, 275}, {3, 270}, {15, 262}, {32, 260.9375}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(static_cast<double>(TGame::TimeLimit(c.level)), c.seconds) << c.level;
  }
}

}  // namespace
