// The fade from dark after the first scene set-up: the light colour c runs from 0.01 to 2.0
// (meshes are drawn at min(1, c / 2) of their colour).
#pragma once

#include <cstdint>

class TProgram;

// Sets the scene light to the colour c = level / 100.
void ApplyFadeLight(std::int32_t level);
// One step of the fade if it is running (its level strictly between 0 and 200): +1, and +1 more
// above 100, so it takes 149 frames from level 1. Returns true when it ran (the frame then does
// nothing else).
bool StepFadeIn(TProgram& program);
