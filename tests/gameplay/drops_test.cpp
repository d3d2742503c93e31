// How often a destroyed brick drops each capsule and releases each enemy, over many seeded draws.
#include "gameplay/Drops.h"

#include <gtest/gtest.h>

#include <array>

#include "gameplay/Random.h"

namespace {

TEST(BrickDrops, EachCapsuleAndEnemyComesAsOftenAsTheRulesSay) {
  // A capsule one time in six (the extra life twice as often as each other kind, 2 in 13), else
  // an enemy one time in four, each of its three kinds alike.
  SeedRandom(20261211);
  constexpr int kDraws = 2'000'000;
  std::array<int, kCapsuleKinds + 1> capsules{};
  std::array<int, 4> enemies{};
  int nothing = 0;
  for (int i = 0; i < kDraws; ++i) {
    const BrickDrop drop = DrawBrickDrop();
    if (drop.capsule != CapsuleKind::None) {
      ASSERT_EQ(drop.enemy, 0) << "one thing at a time";
      ++capsules[static_cast<std::size_t>(drop.capsule)];
    } else if (drop.enemy != 0) {
      ASSERT_GE(drop.enemy, 1);
      ASSERT_LE(drop.enemy, 3);
      ++enemies[static_cast<std::size_t>(drop.enemy)];
    } else {
      ++nothing;
    }
  }
  // Within 4 % of the expected count: about five standard deviations for the rarest outcome.
  const auto expectShare = [&](int count, double share, const std::string& what) {
    EXPECT_NEAR(count / static_cast<double>(kDraws), share, share * 0.04) << what;
  };
  for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
    const double draws = kind == static_cast<int>(CapsuleKind::ExtraLife) ? 2 : 1;
    expectShare(capsules[static_cast<std::size_t>(kind)], draws / 13 / 6,
                "capsule " + std::to_string(kind));
  }
  for (int kind = 1; kind <= 3; ++kind) {
    expectShare(enemies[static_cast<std::size_t>(kind)], 5.0 / 6 / 4 / 3,
                "enemy " + std::to_string(kind));
  }
  expectShare(nothing, 5.0 / 6 * 3 / 4, "nothing");
}

}  // namespace
