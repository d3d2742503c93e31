// The three kinds of flying enemies, five frames of a wing-beat each.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

// Kind 1..3 at wing-beat frame 0..4, drawn into its own box (48x58, 47x56, 56x49) at the origin.
void drawEnemy(cairo_t* cr, int kind, int frame);
std::vector<Bytes> enemiesArchive();

}  // namespace assetgen
