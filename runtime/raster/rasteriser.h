// The software renderer's drawing: textured cards sampled at the nearest texel, multiplied by a
// colour and blended over (alpha) or added to (additive) a canvas, clipped to a rectangle. A
// pixel's value never depends on the clip, so drawing a picture in pieces gives the same pixels
// as drawing it whole. Additive cards of a whole picture are drawn as sprites
// (runtime/raster/sprites.h).
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/backend.h"
#include "runtime/raster/canvas.h"
#include "runtime/raster/picture.h"
#include "runtime/raster/spans.h"
#include "runtime/render_stats.h"

namespace rt::raster {

// The pixels a card covers: those whose centres lie inside it.
Rect coverage(const DrawQuad& quad);

// The card's colour (and opacity) as factors.
Modulation modulationOf(const DrawQuad& quad);

void fill(const Canvas& canvas, const Rect& rect, std::uint32_t colour);

// The pixels a card changes: those it covers whose texels are not clear. A null picture draws
// plain white (times the colour).
Rect footprint(const Picture* picture, const DrawQuad& quad);

// Draws one card inside clip. Adds the card and its pixels to stats' counts, if given.
void drawCard(const Canvas& canvas, const Rect& clip, const Picture* picture, const DrawQuad& quad,
              Blend blend, RenderStats* stats = nullptr);

// The pixels each card of the list changes as it is drawn (as a card or as a sprite), in list
// order, batch after batch; empty for a card that draws nothing.
void listFootprints(const DrawList& list, const PictureSet& pictures, std::vector<Rect>& out);

// The clear colour of a list as a canvas pixel.
std::uint32_t clearColour(const DrawList& list);

// Draws the parts of the frame inside the regions (which do not overlap): the clear colour, then
// every card in list order. footprints: listFootprints of the list.
void drawRegions(const Canvas& canvas, const std::vector<Rect>& regions, const DrawList& list,
                 const PictureSet& pictures, const std::vector<Rect>& footprints,
                 RenderStats* stats = nullptr);

}  // namespace rt::raster
