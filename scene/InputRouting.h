// Hands this frame's keyboard and pointer input to the screen that GameState names.
#pragma once

#include "scene/Program.h"

// The pointer in print units; also places the cursor sprite on it. In a window the system
// pointer counts and is hidden only while over the picture; off the picture the last position
// stays.
PrintPoint ReadPointer(TProgram& program);

// The boss key, bound in the live settings, with exactly its modifiers; or a pad's Back.
bool BossKeyClicked(const TProgram& program, const TFrameInput& input);

void RouteKeys(TProgram& program);
void RoutePointerMove(TProgram& program);
void RoutePointerClick(TProgram& program);
