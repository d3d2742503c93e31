// What a caught capsule does (its row in gameplay/Capsules.h): its sound first (whatever the
// sound-effects setting), then its effect on the counters, the balls or the bat's shape, and its
// points. A shape scores when it starts; one caught while another is on starts, with its sound
// and points, once the bat is back to normal.
#pragma once

#include <array>
#include <cstdint>

#include "gameplay/Ball.h"
#include "gameplay/Bat.h"
#include "gameplay/Capsules.h"
#include "gameplay/Counters.h"

struct BonusTargets {
  TBita& bat;
  std::array<TBubble, 20>& balls;
  TGameCounters& counters;
  std::uint32_t tick;
};

// Applies a capsule. Returns true when it costs a life (a harmful kind); the field then takes
// the life or ends the game.
bool ApplyBonus(CapsuleKind kind, BonusTargets targets);
