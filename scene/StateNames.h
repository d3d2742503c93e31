// The GameState values by their names ("gsPlaying" is 3), so a script may write
// "until gsPlaying" as well as "until 3".
#pragma once

#include <map>
#include <string>

// Every gs* value of menus/GameStates.h, from gsPlaying to gsLeaving.
const std::map<std::string, int>& GameStateNames();
