// The software renderer's drawing: textured cards sampled at the nearest texel, multiplied by a
// colour and blended over (alpha) or added to (additive) a canvas, clipped to a rectangle. A
// pixel's value never depends on the clip, so drawing a picture in pieces gives the same pixels
// as drawing it whole.
#pragma once

#include <cstdint>

#include "runtime/backend.h"
#include "runtime/raster/canvas.h"
#include "runtime/raster/picture.h"

namespace rt::raster {

// What the drawing cost, for the benchmarks.
struct RasterStats {
  long cards = 0;   // cards that touched at least one pixel
  long pixels = 0;  // pixels written by them
};

// The pixels a card covers: those whose centres lie inside it.
Rect coverage(const DrawQuad& quad);

void fill(const Canvas& canvas, const Rect& rect, std::uint32_t colour);

// Draws one card inside clip; a null picture draws plain white (times the colour).
void drawCard(const Canvas& canvas, const Rect& clip, const Picture* picture, const DrawQuad& quad,
              Blend blend, RasterStats* stats = nullptr);

// The clear colour of a list as a canvas pixel.
std::uint32_t clearColour(const DrawList& list);

// Draws the part of the frame inside region: the clear colour, then every card in list order.
void drawRegion(const Canvas& canvas, const Rect& region, const DrawList& list,
                const PictureSet& pictures, RasterStats* stats = nullptr);

}  // namespace rt::raster
