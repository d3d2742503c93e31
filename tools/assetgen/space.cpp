#include "tools/assetgen/space.h"

#include <cmath>

#include "tools/assetgen/random.h"

namespace assetgen {
namespace {

// Clouds are painted at a quarter of the size, blurred, then stretched smoothly over the area.
void drawNebula(cairo_t* cr, int w, int h, const Mood& mood, Random& random) {
  const int sw = w / 4 + 1, sh = h / 4 + 1;
  Canvas clouds(sw, sh);
  cairo_t* c = clouds.cr();
  cairo_set_operator(c, CAIRO_OPERATOR_ADD);
  for (int i = 0; i < 70; ++i) {
    const double x = random.range(-0.1, 1.1) * sw;
    // Clouds gather along a diagonal band, as a galaxy arm would.
    const double y = (0.25 + 0.5 * (x / sw) + random.range(-0.3, 0.3)) * sh;
    const double r = random.range(0.05, 0.25) * sw;
    const Rgb colour = mix(mood.nebulaA, mood.nebulaB, random.unit());
    cairo_pattern_t* blob = cairo_pattern_create_radial(x, y, 0, x, y, r);
    addStop(blob, 0, colour, random.range(0.08, 0.22));
    addStop(blob, 1, colour, 0);
    cairo_set_source(c, blob);
    cairo_arc(c, x, y, r, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_pattern_destroy(blob);
  }
  // Dark dust lanes cut into the clouds.
  cairo_set_operator(c, CAIRO_OPERATOR_DEST_OUT);
  for (int i = 0; i < 14; ++i) {
    const double x = random.unit() * sw, y = random.unit() * sh, r = random.range(0.03, 0.1) * sw;
    cairo_pattern_t* dust = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(dust, 0, 0, 0, 0, 0.45);
    cairo_pattern_add_color_stop_rgba(dust, 1, 0, 0, 0, 0);
    cairo_set_source(c, dust);
    cairo_arc(c, x, y, r, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_pattern_destroy(dust);
  }
  blurSurface(clouds.surface(), 6);
  cairo_save(cr);
  cairo_scale(cr, static_cast<double>(w) / (sw - 1), static_cast<double>(h) / (sh - 1));
  cairo_set_source_surface(cr, clouds.surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  // Repeat the border pixels so the stretched clouds do not fade out at the picture's edges.
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_restore(cr);
}

void drawStars(cairo_t* cr, int w, int h, const Mood& mood, Random& random) {
  const int count = w * h / 900;
  for (int i = 0; i < count; ++i) {
    const double x = random.unit() * w, y = random.unit() * h;
    const double bright = std::pow(random.unit(), 3.0);
    const double r = 0.5 + bright * 1.3;
    const Rgb tint = mix(kWhite, random.unit() < 0.5 ? mood.accent : Rgb{1, 0.9, 0.7}, 0.3);
    cairo_pattern_t* star = cairo_pattern_create_radial(x, y, 0, x, y, r * 1.8);
    addStop(star, 0, tint, 0.35 + 0.65 * bright);
    addStop(star, 1, tint, 0);
    cairo_set_source(cr, star);
    cairo_arc(cr, x, y, r * 1.8, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(star);
  }
  for (int i = 0; i < w * h / 60000 + 1; ++i) {
    sparkle(cr, random.unit() * w, random.unit() * h, random.range(5, 11),
            lighter(mood.accent, 0.3), 0.9);
  }
}

}  // namespace

void drawSpace(cairo_t* cr, int w, int h, const Mood& mood, uint32_t seed) {
  Random random(seed);
  cairo_save(cr);
  cairo_pattern_t* sky =
      cairo_pattern_create_radial(w * 0.5, h * 0.45, 0, w * 0.5, h * 0.45, std::hypot(w, h) * 0.6);
  addStop(sky, 0, lighter(mood.deep, 0.06));
  addStop(sky, 1, darker(mood.deep, 0.4));
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  drawNebula(cr, w, h, mood, random);
  drawStars(cr, w, h, mood, random);
  cairo_restore(cr);
}

}  // namespace assetgen
