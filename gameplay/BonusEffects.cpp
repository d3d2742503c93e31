#include "gameplay/BonusEffects.h"

#include "gameplay/Random.h"

namespace {

void ArmourBalls(std::array<TBubble, 20>& balls) {
  for (TBubble& ball : balls) {
    ball.ModeTimer = kCapsuleSeconds;
    if (ball.Mode == bmArmored) continue;
    ball.Mode = bmArmored;
    ball.SetTexture(true);
  }
}

// Faster or slower balls; an armoured ball loses its armour and changes further.
void ChangeSpeed(BonusTargets& targets, const CapsuleRule& rule) {
  for (TBubble& ball : targets.balls) {
    const bool armored = ball.Mode == bmArmored;
    ball.Mode = bmSpeed;
    ball.ModeTimer = kCapsuleSeconds;
    if (armored) {
      ball.Speed = rule.speedOutOfArmour;
      ball.SetTexture(false);
    } else {
      ball.Speed = rule.speed;
    }
  }
  targets.bat.ModeTimer = kCapsuleSeconds;
}

// A free slot takes a new ball at the first ball in play, flying off up and to the right.
void AddBall(std::array<TBubble, 20>& balls) {
  TBubble* free = nullptr;
  const TBubble* source = nullptr;
  for (TBubble& ball : balls) {
    if (!ball.Active && free == nullptr) free = &ball;
    if (ball.Active && source == nullptr) source = &ball;
  }
  if (free == nullptr || source == nullptr) return;
  free->X = source->X;
  free->Y = source->Y;
  free->Active = true;
  free->Launched = true;
  free->Angle = Random(30) / 10.0L;
  free->PlaceMesh();
  free->Show();
}

}  // namespace

bool ApplyBonus(CapsuleKind kind, BonusTargets targets) {
  const CapsuleRule& rule = RuleOf(kind);
  TGameCounters& counters = targets.counters;
  targets.bat.PlayBonusSound(kind);
  switch (rule.effect) {
    case CapsuleEffect::ExtraLife:
      if (counters.GetLives() < kMostLives) counters.SetLives(counters.GetLives() + 1);
      break;
    case CapsuleEffect::MoreTime:
      counters.TimeLeft += kCapsuleSeconds;
      break;
    case CapsuleEffect::LifeLost:
      break;
    case CapsuleEffect::LessTime:
      counters.TimeLeft -= kCapsuleSeconds;
      // Never negative: the time then runs out in the next playing frames.
      if (counters.TimeLeft < 0) counters.TimeLeft = 0.01L;
      break;
    case CapsuleEffect::Armour:
      ArmourBalls(targets.balls);
      break;
    case CapsuleEffect::BallSpeed:
      ChangeSpeed(targets, rule);
      break;
    case CapsuleEffect::TwoBalls:
      AddBall(targets.balls);
      AddBall(targets.balls);
      break;
    case CapsuleEffect::BatShape:
      // The shape brings its missiles and scores when it starts.
      counters.SetMissiles(counters.GetMissiles() + rule.missiles);
      targets.bat.Transform(kind, counters, targets.tick);
      return false;
  }
  counters.AddScore(rule.points);
  return rule.harmful;
}
