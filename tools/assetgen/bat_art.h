// The player's bat in all its shapes, its hit flashes, growth frames and explosion, and the
// missile it fires.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

enum class BatShape { Plain, Wide, Gun, Catcher };

// A bat `width` pixels wide centred on (cx, cy); `growth` in 0..1 raises the gun barrels or the
// catcher pads. The wide bat's solid hull is at most 184 pixels, the rest of its width glowing
// wings: at its travel limit (centre 12.3 units right of the middle) the hull's end stays on
// screen while the wings reach past it.
void drawBat(cairo_t* cr, double cx, double cy, double width, BatShape shape, double growth);

// The missile pointing up, centred in a w x h box at the origin.
void drawMissile(cairo_t* cr, double w, double h);

std::vector<Bytes> batArchive();

}  // namespace assetgen
