// What a gamepad does: on every screen the d-pad stands for the arrow keys, A for Enter, B for
// Escape; in a game A stands for Space (launch and fire) and Start for P (pause); Back is the boss
// key (scene/InputRouting.cpp) and the left stick steers the bat (scene/BatSteering.cpp). Typing
// a name stays with the keyboard.
#pragma once

#include <cstdint>

#include "engine/FrameInput.h"

// The frame's input with the pad's buttons added to the keys they stand for on the screen the
// frame starts on, held while held and clicked when clicked.
TFrameInput WithPadKeys(const TFrameInput& input, std::uint8_t state);

// The left stick's x as the engine reports it (-32768..32767) in the game's steps: how far it
// is pushed beyond its dead zone, -127 (all the way left) to 127, 0 inside the dead zone, in
// proportion between. Coarse enough that a stick at rest or trembling costs a replay little.
std::int8_t StickSteps(int axis);
// The steps as the share of the keys' speed the bat moves at: -1 to 1.
long double StickDeflection(std::int8_t steps);

// A pad button held or clicked, or the stick pushed beyond its dead zone.
bool PadInUse(const TFrameInput& input);
