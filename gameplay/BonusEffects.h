// What a caught capsule does, by kind: its sound first (whatever the sound-effects setting), then
// its effect on the counters, the balls or the bat's shape, and its points.
//
//   1 extra life (up to 3)  +100    7 faster balls          +100
//   2 15 s more time        +100    8 catcher bat           +100
//   3 a life lost           -100    9 narrow bat            -100
//   4 15 s less time        -100   10 slower balls          -100
//   5 armoured balls        +100   11 two extra balls       +100
//   6 wide bat              +100   12 six missiles, gun bat +500
//
// The shaping kinds (6, 8, 9, 12) score when the shape starts; a shape caught while another is on
// starts, with its sound and points, once the bat is back to normal.
#pragma once

#include <array>
#include <cstdint>

#include "gameplay/Ball.h"
#include "gameplay/Bat.h"
#include "gameplay/Counters.h"

struct BonusTargets {
  TBita& bat;
  std::array<TBubble, 20>& balls;
  TGameCounters& counters;
  std::uint32_t tick;
};

// Applies a capsule of `kind` (1..12). Returns true when it costs a life (kind 3); the field
// then takes the life or ends the game.
bool ApplyBonus(int kind, BonusTargets targets);
