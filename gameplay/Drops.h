// What a destroyed brick that may drop something leaves behind: a capsule one time in six, else
// an enemy one time in four. Every capsule kind is as likely as the next but the extra life,
// which comes twice as often; the three enemy kinds are alike.
#pragma once

#include "gameplay/Capsules.h"

struct BrickDrop {
  CapsuleKind capsule = CapsuleKind::None;  // a capsule to drop, or None
  int enemy = 0;                            // else an enemy kind 1..3 to release, or 0
};

// Draws from the game's generator (gameplay/Random.h).
BrickDrop DrawBrickDrop();
