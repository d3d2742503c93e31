// The player's controls of the bat, taken from the frame's input for each playing frame: the
// arrow keys, the launch and fire keys and click, a pad's stick, and the mouse (the system
// pointer's offset from the screen centre in a window, the engine mouse in full screen).
#pragma once

#include <cstdint>

#include "engine/FrameInput.h"
#include "gameplay/Bat.h"

// `pointerClick` is the frame's routed click (1 left).
BatControls ReadBatControls(const TFrameInput& input, std::uint8_t pointerClick, bool windowed);
// Puts the pointer back to the centre after the bat has read it. In a window this moves the
// system pointer, so it is left alone while the window does not have the focus: a player who
// switched to another program keeps a usable pointer.
void RecentrePointer(const TFrameInput& input, bool windowed);
