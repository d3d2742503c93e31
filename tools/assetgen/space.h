// Deep-space backdrops: a nebula in the colours of a mood, scattered stars and bright glints.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "tools/assetgen/style.h"

namespace assetgen {

// Fills the whole w x h area with an opaque starry nebula; `seed` picks the cloud layout.
void drawSpace(cairo_t* cr, int w, int h, const Mood& mood, uint32_t seed);

}  // namespace assetgen
