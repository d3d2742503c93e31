#include "gameplay/Capsules.h"

#include <array>

namespace {

constexpr const char* kSound = "sound\\Bonus1.wav";

constexpr std::array<CapsuleRule, kCapsuleKinds> kRules = {{
    {CapsuleKind::ExtraLife, 100, CapsuleEffect::ExtraLife, 0, 0, 0, 0, kSound, false},
    {CapsuleKind::MoreTime, 100, CapsuleEffect::MoreTime, 0, 0, 0, 0, kSound, false},
    {CapsuleKind::LifeLost, -100, CapsuleEffect::LifeLost, 0, 0, 0, 0, kSound, true},
    {CapsuleKind::LessTime, -100, CapsuleEffect::LessTime, 0, 0, 0, 0, kSound, false},
    {CapsuleKind::Armour, 100, CapsuleEffect::Armour, 0, 0, 0, 0, kSound, false},
    {CapsuleKind::WideBat, 100, CapsuleEffect::BatShape, 2, 0, 0, 0, kSound, false},
    {CapsuleKind::FasterBalls, 100, CapsuleEffect::BallSpeed, 0, 0.225L, 0.25L, 0, kSound, false},
    {CapsuleKind::CatcherBat, 100, CapsuleEffect::BatShape, 4, 0, 0, 0, kSound, false},
    {CapsuleKind::NarrowBat, -100, CapsuleEffect::BatShape, 1, 0, 0, 0, kSound, false},
    {CapsuleKind::SlowerBalls, -100, CapsuleEffect::BallSpeed, 0, 0.1L, 0.15L, 0, kSound, false},
    {CapsuleKind::TwoBalls, 100, CapsuleEffect::TwoBalls, 0, 0, 0, 0, kSound, false},
    {CapsuleKind::GunBat, 500, CapsuleEffect::BatShape, 3, 0, 0, 6, kSound, false},
}};

}  // namespace

const CapsuleRule& RuleOf(CapsuleKind kind) {
  return kRules[static_cast<std::size_t>(kind) - 1];
}

bool ShapesTheBat(CapsuleKind kind) {
  return kind != CapsuleKind::None && RuleOf(kind).effect == CapsuleEffect::BatShape;
}
