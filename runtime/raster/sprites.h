// Additive cards that show a whole picture (the particles, a thousand and more a frame with every
// ball armoured) are drawn as sprites: placed on whole pixels at a whole-pixel size, from a copy
// of the picture scaled once to that width (PictureSet::widened), each row one run of texels.
// Nothing is sampled or set up per card. The damage tracker and the drawing both take a sprite's
// pixels from its placement, so they always agree.
#pragma once

#include <optional>

#include "runtime/backend.h"
#include "runtime/raster/canvas.h"
#include "runtime/raster/picture.h"
#include "runtime/raster/spans.h"
#include "runtime/render_stats.h"

namespace rt::raster {

struct SpritePlacement {
  int x = 0, y = 0;           // the top-left pixel
  int width = 0, height = 0;  // 1..PictureSet::kMaxWidened each
};

// Where a card is drawn as a sprite: its size rounded, centred where the card is centred;
// nothing for a card drawn as a card (larger cards among them: a copy that size would cost more
// than it saves).
std::optional<SpritePlacement> spritePlacement(const DrawQuad& quad, Blend blend);

// The pixels a sprite changes: where its picture, scaled to the placement, is not clear.
// widened: the picture scaled to the placement's width.
Rect spriteFootprint(const Picture& widened, const SpritePlacement& at);

// Adds the picture, modulated, inside clip; counts the card and its pixels in stats.
void drawSprite(const Canvas& canvas, const Rect& clip, const Picture& widened,
                const SpritePlacement& at, const Modulation& m, RenderStats* stats);

}  // namespace rt::raster
