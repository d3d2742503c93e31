// Small icon outlines shared by the capsules and the status bar; each adds a path to fill.
#pragma once

#include <cairo.h>

namespace assetgen {

// A heart about 26 x 19 px centred near (x, y).
void heartPath(cairo_t* cr, double x, double y);
// A clock face of the given radius: a ring with two hands.
void clockPath(cairo_t* cr, double x, double y, double radius);

}  // namespace assetgen
