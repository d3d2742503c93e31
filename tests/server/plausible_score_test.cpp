// The highest score a record may carry follows from the shipped levels and the game's scoring
// rules; scores beside the bounds show where plausible ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "gameplay/LevelFile.h"
#include "server/PlausibleScore.h"

namespace {

// The most a cell of each code (1..9) scores by its bricks' hits (10 points a hit) and how many
// of its bricks end as a destroyed kind 1-3, which may drop a capsule or let out an enemy:
// kinds 4-6 are hit down to kind 2; a sliding brick (7) becomes kind 3; a spawner (8) fills
// up to eight neighbours with sliding bricks; code 9 is hit once into a spawner.
struct CellCeiling {
  std::int64_t points;
  std::int64_t drops;
};
constexpr CellCeiling kCells[] = {
    {0, 0}, {10, 1}, {10, 1}, {10, 1}, {20, 1}, {30, 1}, {40, 1}, {20, 1}, {170, 8}, {180, 8},
};
// The capsule worth most (the gun, 500) is worth more than any enemy (100 at most) and than the
// extra time one brings (15 s, 60 points, besides its own 100).
constexpr std::int64_t kBestDrop = 500;

// One level played through: every brick, every drop the best, and the whole time limit counted
// in at 4 points a second.
std::int64_t LevelCeiling(const LevelCells& cells, int level) {
  std::int64_t points = 0;
  for (const std::int32_t code : cells) {
    if (code < 1 || code > 9) continue;
    points += kCells[code].points + kCells[code].drops * kBestDrop;
  }
  const long double timeLimit = 20.0L / level * 1.5L + 260;
  return points + static_cast<std::int64_t>(std::ceil(timeLimit * 4));
}

TEST(PlausibleScore, TheBoundIsThreeGamesThroughTheShippedLevelsAtBest) {
  std::ifstream file(std::string(GLINT_GAME_DIR) + "/data/Levels.dat", std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
  const auto levels = DecodeLevelFile(bytes);
  ASSERT_TRUE(levels && !levels->empty());
  std::int64_t game = 0;
  for (std::size_t i = 0; i < levels->size(); ++i) {
    game += LevelCeiling((*levels)[i], static_cast<int>(i + 1));
  }
  // Levels played again after their time ran out score again; three games' worth leaves room.
  EXPECT_EQ(kMaxPlausibleScore, 3 * game) << "the levels changed: one game now scores at most "
                                          << game << "; set the bound and the README to match";
}

TEST(PlausibleScore, FromNoPointsToTheBound) {
  const struct {
    std::int32_t score;
    bool plausible;
  } cases[] = {
      {-2147483647 - 1, false},
      {-1, false},
      {0, true},
      {1160, true},
      {kMaxPlausibleScore, true},
      {kMaxPlausibleScore + 1, false},
      {2147483647, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlausibleScore(c.score), c.plausible) << c.score;
}

}  // namespace
