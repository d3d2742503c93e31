// The falling bonus capsules: a glowing gem whose icon names the bonus by shape and colour;
// harmful ones are red with a hazard border.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

// True for the capsules that cost the player (a life, time, a narrow bat, slow balls).
bool isHarmfulBonus(int kind);

// Capsule of bonus kind 1..12 in a 44 x 46 box at the origin.
void drawCapsule(cairo_t* cr, int kind);
std::vector<Bytes> bonusesArchive();

}  // namespace assetgen
