// What one frame of play hands to the field objects from outside: the time step, the clock and
// the sound switch. The game fills it once at the start of its frame.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

struct FrameStep {
  // The frame factor: the time step in units of 13 ms. Rates given "per unit of the factor"
  // are multiplied by it; rates given "per frame" are not.
  long double k = 1;
  // The millisecond tick, which times the animations (explosions, bat, enemies).
  std::uint32_t tick = 0;
  // Sound effects switched on (the ball's and the menus' sounds obey it; the bat's and the
  // enemies' do not).
  bool soundOn = true;
};

// How many steps a frame's motion is cut into so that none is longer than `longest`: one in an
// ordinary frame, more after a stall, so a fast mover cannot jump over what lies in its way.
inline int SubSteps(long double travel, long double longest) {
  return std::max(1, static_cast<int>(std::ceil(travel / longest)));
}
