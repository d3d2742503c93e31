// The field's part of the state dump: the bat, the balls in play, the bricks, the falling
// capsules and the enemies.
#pragma once

#include "runtime/json.h"

class TGame;

// Adds "bat", "balls", "bricks", "bonuses" and "enemies" to the state.
void DumpField(const TGame& game, rt::Json& state);
