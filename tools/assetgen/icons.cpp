#include "tools/assetgen/icons.h"

#include <cmath>

namespace assetgen {

void heartPath(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y + 8);
  cairo_curve_to(cr, x - 13, y - 1, x - 7, y - 11, x, y - 4);
  cairo_curve_to(cr, x + 7, y - 11, x + 13, y - 1, x, y + 8);
  cairo_close_path(cr);
}

void clockPath(cairo_t* cr, double x, double y, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, x, y, radius - 2, 0, -2 * M_PI);
  cairo_close_path(cr);
  const double hand = radius - 3;
  cairo_rectangle(cr, x - 0.9, y - hand, 1.8, hand + 0.9);
  cairo_rectangle(cr, x - 0.9, y - 0.9, radius * 0.55, 1.8);
}

}  // namespace assetgen
