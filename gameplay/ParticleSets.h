// The flame particle sets of the bat, the balls and the missiles: yellow to red, 100 particles,
// air resistance 10, emitted at speed 4 to 4.1.
#pragma once

#include "engine/impact.h"

struct FlameLook {
  iVector3 gravity;
  float lifeTime = 0.2f;
  iVector3 direction;  // both bounds of the emitter's direction
  iVector2 scaleLow, scaleHigh;
};

struct FlameSet {
  iHandle particles = 0;
  iHandle emitter = 0;
};

// Creates a shown set with its emitter at (0, -3, 0).
FlameSet CreateFlames(const FlameLook& look);
// Places the emitter and emits one burst (the values 100 and 1).
void Burst(const FlameSet& flames, iVector3 at);
