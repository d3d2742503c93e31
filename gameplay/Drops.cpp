#include "gameplay/Drops.h"

#include <array>

#include "gameplay/Random.h"

namespace {

constexpr int kCapsuleOdds = 6;  // one draw in six gives a capsule
constexpr int kEnemyOdds = 4;    // one in four of the rest an enemy
constexpr int kEnemyKinds = 3;
// Thirteen draws for the twelve kinds: the thirteenth is a second extra life.
constexpr std::array<CapsuleKind, kCapsuleKinds + 1> kCapsuleDraws = {
    CapsuleKind::ExtraLife,   CapsuleKind::MoreTime,   CapsuleKind::LifeLost,
    CapsuleKind::LessTime,    CapsuleKind::Armour,     CapsuleKind::WideBat,
    CapsuleKind::FasterBalls, CapsuleKind::CatcherBat, CapsuleKind::NarrowBat,
    CapsuleKind::SlowerBalls, CapsuleKind::TwoBalls,   CapsuleKind::GunBat,
    CapsuleKind::ExtraLife};

}  // namespace

BrickDrop DrawBrickDrop() {
  if (Random(kCapsuleOdds) == 3) {
    return {kCapsuleDraws[static_cast<std::size_t>(Random(static_cast<int>(kCapsuleDraws.size())))],
            0};
  }
  if (Random(kEnemyOdds) != 1) return {};
  return {CapsuleKind::None, Random(kEnemyKinds) + 1};
}
