// The game's part of the state dump: its counters, and the field's bat, balls in play, bricks,
// falling capsules and enemies.
#pragma once

#include "runtime/json.h"

class TGame;

// Adds "bat", "balls", "bricks", "bonuses" and "enemies" to the state.
void DumpField(const TGame& game, rt::Json& state);
// Adds the counters ("score", "level", "lives", "missiles", "timeLeft"), "gameOver" and the field.
void DumpGame(const TGame& game, rt::Json& state);
