// A short game that ends in a new record, as the whole-game stories in the window play it (with
// the keyboard in journey_test.cpp, with a gamepad in pad_window_test.cpp).
#pragma once

#include <string>

#include "gameplay/LevelFile.h"

namespace e2e {

// One level. The only brick that counts (row 17) sits right above the ball held on the bat in the
// middle, under an indestructible roof (row 16): a ball falling from above never reaches it, and
// a ball launched from the middle breaks it at once, whatever its angle. Indestructible bricks in
// row 3 give the ball something to bounce off.
LevelCells RoofedBrickLevel();

// The records file with scores of 10 down to 1: any finished game is a new record.
std::string LowRecordsFile();

}  // namespace e2e
