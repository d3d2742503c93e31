// The fireball explosion frames and the balls.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

// Frame `frame` (0..15) of the fireball, drawn into a size x size box at the origin.
void drawExplosion(cairo_t* cr, double size, int frame);
std::vector<Bytes> exploArchive();

// A ball of radius `r` centred on (x, y) with its glow; the armoured one wears a shield.
void drawBall(cairo_t* cr, double x, double y, double r, bool armoured);
Bytes ballPicture(bool armoured);

}  // namespace assetgen
