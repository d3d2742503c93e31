// A cairo ARGB32 drawing surface with its context, and the drawing helpers every picture shares:
// colours, rounded shapes, glossy bevels, soft glows.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

struct Rgb {
  double r, g, b;
};

// Linear blend: t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);
inline Rgb lighter(Rgb c, double t) {
  return mix(c, {1, 1, 1}, t);
}
inline Rgb darker(Rgb c, double t) {
  return mix(c, {0, 0, 0}, t);
}
void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void addStop(cairo_pattern_t* pattern, double offset, Rgb c, double alpha = 1.0);

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }
  std::vector<uint8_t> png() const;

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

using Shape = std::function<void(cairo_t*)>;

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Blurs the surface in place (three box passes, close to a gaussian of the given radius).
void blurSurface(cairo_surface_t* surface, int radius);

// Paints a soft halo of `colour` around whatever `shape` fills, blurred by `radius` pixels.
void paintGlow(cairo_t* cr, int width, int height, const Shape& shape, Rgb colour, double radius,
               double alpha = 1.0);

// Fills the current path with a glossy bevelled look: a vertical gradient of `base`, a dark rim,
// a light inner edge on top and a soft shine over the upper half. The path is consumed.
void glossyFill(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb base);

// A brushed-metal fill of the rectangle (horizontal streaks, cool highlights) with a bevel.
void metalFill(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb tint);

// A four-pointed sparkle centred on (x, y).
void sparkle(cairo_t* cr, double x, double y, double size, Rgb colour, double alpha = 1.0);

}  // namespace assetgen
