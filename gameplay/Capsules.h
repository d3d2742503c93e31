// The twelve capsule kinds and what each does when the bat catches it, one row a kind: its
// points, its effect, the bat shape it gives, its sound and whether it costs a life.
#pragma once

#include <cstdint>

enum class CapsuleKind : std::int32_t {
  None = -1,  // no kind: a bat in its normal shape, no shape waiting
  ExtraLife = 1,
  MoreTime = 2,
  LifeLost = 3,
  LessTime = 4,
  Armour = 5,
  WideBat = 6,
  FasterBalls = 7,
  CatcherBat = 8,
  NarrowBat = 9,
  SlowerBalls = 10,
  TwoBalls = 11,
  GunBat = 12,
};
inline constexpr int kCapsuleKinds = 12;

enum class CapsuleEffect {
  ExtraLife,  // one more life, up to kMostLives
  MoreTime,   // kCapsuleSeconds more of the level's time
  LifeLost,   // the field takes a life or ends the game
  LessTime,   // kCapsuleSeconds less, never below nothing
  Armour,     // every ball armoured for kCapsuleSeconds
  BallSpeed,  // every ball at `speed` (an armoured one loses its armour and takes
              // `speedOutOfArmour`) for kCapsuleSeconds
  TwoBalls,   // two more balls fly off the first one in play
  BatShape,   // the bat takes `shape` for kCapsuleSeconds
};

struct CapsuleRule {
  CapsuleKind kind;
  std::int32_t points;  // added to the score; a shape scores when it starts
  CapsuleEffect effect;
  int shape;  // BatShape: the bat's animation (1 narrow, 2 wide, 3 gun, 4 catcher), else 0
  long double speed, speedOutOfArmour;  // BallSpeed
  std::int32_t missiles;                // given with the shape (the gun's)
  const char* sound;                    // played whatever the sound-effects setting
  bool harmful;                         // costs a life
};

// How long the timed effects last and how much time the time capsules give or take, in seconds.
inline constexpr long double kCapsuleSeconds = 15;
inline constexpr int kMostLives = 3;

// The rule of a kind 1..12.
const CapsuleRule& RuleOf(CapsuleKind kind);
// Kinds 6, 8, 9 and 12, which change the bat's shape.
bool ShapesTheBat(CapsuleKind kind);
