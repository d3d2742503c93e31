#include "gameplay/BonusEffects.h"

#include "gameplay/Random.h"

namespace {

constexpr long double kModeSeconds = 15;

void ArmourBalls(std::array<TBubble, 20>& balls) {
  for (TBubble& ball : balls) {
    ball.ModeTimer = kModeSeconds;
    if (ball.Mode == bmArmored) continue;
    ball.Mode = bmArmored;
    ball.SetTexture(true);
  }
}

// Faster or slower balls; an armoured ball loses its armour and changes further.
void ChangeSpeed(BonusTargets& targets, long double fromArmour, long double plain) {
  for (TBubble& ball : targets.balls) {
    const bool armored = ball.Mode == bmArmored;
    ball.Mode = bmSpeed;
    ball.ModeTimer = kModeSeconds;
    if (armored) {
      ball.Speed = fromArmour;
      ball.SetTexture(false);
    } else {
      ball.Speed = plain;
    }
  }
  targets.bat.ModeTimer = kModeSeconds;
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

bool ApplyBonus(int kind, BonusTargets targets) {
  TGameCounters& counters = targets.counters;
  targets.bat.PlayBonusSound(kind);
  switch (kind) {
    case 1:
      if (counters.GetLives() < 3) counters.SetLives(counters.GetLives() + 1);
      counters.AddScore(100);
      return false;
    case 2:
      counters.TimeLeft += 15;
      counters.AddScore(100);
      return false;
    case 3:
      counters.AddScore(-100);
      return true;
    case 4:
      counters.TimeLeft -= 15;
      // Never negative: the time then runs out in the next playing frames.
      if (counters.TimeLeft < 0) counters.TimeLeft = 0.01L;
      counters.AddScore(-100);
      return false;
    case 5:
      ArmourBalls(targets.balls);
      counters.AddScore(100);
      return false;
    case 7:
      ChangeSpeed(targets, 0.25L, 0.225L);
      counters.AddScore(100);
      return false;
    case 10:
      ChangeSpeed(targets, 0.15L, 0.1L);
      counters.AddScore(-100);
      return false;
    case 11:
      AddBall(targets.balls);
      AddBall(targets.balls);
      counters.AddScore(100);
      return false;
    case 12:
      counters.SetMissiles(counters.GetMissiles() + 6);
      targets.bat.Transform(kind, counters, targets.tick);
      return false;
    case 6:
    case 8:
    case 9:
      targets.bat.Transform(kind, counters, targets.tick);
      return false;
    default:
      return false;
  }
}
