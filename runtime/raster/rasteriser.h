// The software renderer's drawing: textured cards sampled at the nearest texel, multiplied by a
// colour and blended over (alpha) or added to (additive) a canvas, clipped to a rectangle. A
// pixel's value never depends on the clip, so drawing a picture in pieces gives the same pixels
// as drawing it whole.
#pragma once

#include <cstdint>

#include "runtime/backend.h"
#include "runtime/raster/canvas.h"
#include "runtime/raster/picture.h"
#include "runtime/render_stats.h"

namespace rt::raster {

// The pixels a card covers: those whose centres lie inside it.
Rect coverage(const DrawQuad& quad);

void fill(const Canvas& canvas, const Rect& rect, std::uint32_t colour);

// Draws one card inside clip; a null picture draws plain white (times the colour). Adds the card
// and its pixels to stats' counts, if given.
void drawCard(const Canvas& canvas, const Rect& clip, const Picture* picture, const DrawQuad& quad,
              Blend blend, RenderStats* stats = nullptr);

// The clear colour of a list as a canvas pixel.
std::uint32_t clearColour(const DrawList& list);

// Draws the part of the frame inside region: the clear colour, then every card in list order.
void drawRegion(const Canvas& canvas, const Rect& region, const DrawList& list,
                const PictureSet& pictures, RenderStats* stats = nullptr);

}  // namespace rt::raster
