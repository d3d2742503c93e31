#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/assetgen/png.h"

namespace assetgen {

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void setColour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void addStop(cairo_pattern_t* pattern, double offset, Rgb c, double alpha) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, alpha);
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo: out of memory");
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

std::vector<uint8_t> Canvas::png() const {
  return encodePng(surface_);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::min({radius, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

namespace {

// One box-blur pass along a line of `count` premultiplied pixels `stride` words apart.
void boxLine(uint32_t* line, int count, int stride, int radius, std::vector<uint32_t>& scratch) {
  scratch.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) scratch[static_cast<size_t>(i)] = line[i * stride];
  const int window = 2 * radius + 1;
  uint32_t sum[4] = {0, 0, 0, 0};
  auto channel = [](uint32_t p, int c) { return (p >> (8 * c)) & 0xFF; };
  auto at = [&](int i) { return i < 0 || i >= count ? 0u : scratch[static_cast<size_t>(i)]; };
  for (int i = -radius; i <= radius; ++i)
    for (int c = 0; c < 4; ++c) sum[c] += channel(at(i), c);
  for (int i = 0; i < count; ++i) {
    uint32_t out = 0;
    for (int c = 0; c < 4; ++c) out |= (sum[c] / static_cast<uint32_t>(window)) << (8 * c);
    line[i * stride] = out;
    for (int c = 0; c < 4; ++c)
      sum[c] += channel(at(i + radius + 1), c) - channel(at(i - radius), c);
  }
}

}  // namespace

void blurSurface(cairo_surface_t* surface, int radius) {
  if (radius < 1) return;
  cairo_surface_flush(surface);
  auto* pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface) / 4;
  const int passRadius = std::max(1, radius / 2);
  std::vector<uint32_t> scratch;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < height; ++y) boxLine(pixels + y * stride, width, 1, passRadius, scratch);
    for (int x = 0; x < width; ++x) boxLine(pixels + x, height, stride, passRadius, scratch);
  }
  cairo_surface_mark_dirty(surface);
}

void paintGlow(cairo_t* cr, int width, int height, const Shape& shape, Rgb colour, double radius,
               double alpha) {
  Canvas halo(width, height);
  setColour(halo.cr(), colour);
  shape(halo.cr());
  blurSurface(halo.surface(), static_cast<int>(std::lround(radius)));
  cairo_save(cr);
  cairo_set_source_surface(cr, halo.surface(), 0, 0);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
}

void glossyFill(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb base) {
  cairo_save(cr);
  roundedRect(cr, x, y, w, h, radius);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, y, 0, y + h);
  addStop(body, 0, lighter(base, 0.35));
  addStop(body, 0.45, base);
  addStop(body, 1, darker(base, 0.45));
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_clip(cr);
  // Dark rim, then a light inner edge along the top and left.
  const double rim = std::max(1.0, std::min(w, h) * 0.07);
  roundedRect(cr, x, y, w, h, radius);
  setColour(cr, darker(base, 0.6), 0.9);
  cairo_set_line_width(cr, rim * 2);
  cairo_stroke(cr);
  roundedRect(cr, x + rim * 1.5, y + rim * 1.5, w - rim * 3, h - rim * 3, radius * 0.7);
  cairo_pattern_t* edge = cairo_pattern_create_linear(0, y, 0, y + h);
  addStop(edge, 0, {1, 1, 1}, 0.75);
  addStop(edge, 0.5, {1, 1, 1}, 0.0);
  cairo_set_source(cr, edge);
  cairo_set_line_width(cr, rim);
  cairo_stroke(cr);
  cairo_pattern_destroy(edge);
  // Shine: a soft white band over the upper half.
  roundedRect(cr, x + rim * 2, y + rim * 1.6, w - rim * 4, h * 0.42, radius * 0.6);
  cairo_pattern_t* shine = cairo_pattern_create_linear(0, y, 0, y + h * 0.5);
  addStop(shine, 0, {1, 1, 1}, 0.55);
  addStop(shine, 1, {1, 1, 1}, 0.05);
  cairo_set_source(cr, shine);
  cairo_fill(cr);
  cairo_pattern_destroy(shine);
  cairo_restore(cr);
}

void metalFill(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb tint) {
  cairo_save(cr);
  roundedRect(cr, x, y, w, h, radius);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, y, 0, y + h);
  addStop(body, 0, lighter(tint, 0.7));
  addStop(body, 0.3, lighter(tint, 0.2));
  addStop(body, 0.55, darker(tint, 0.25));
  addStop(body, 0.7, lighter(tint, 0.1));
  addStop(body, 1, darker(tint, 0.55));
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_clip(cr);
  // Brushed streaks at fixed positions, so every run draws the same metal.
  cairo_set_line_width(cr, 0.6);
  for (double line = y + 1.5; line < y + h; line += 2.3) {
    const double shade = std::fmod(line * 7.31, 1.0);
    setColour(cr, shade > 0.5 ? Rgb{1, 1, 1} : Rgb{0, 0, 0}, 0.06 + 0.05 * shade);
    cairo_move_to(cr, x, line);
    cairo_line_to(cr, x + w, line);
    cairo_stroke(cr);
  }
  const double rim = std::max(1.0, std::min(w, h) * 0.08);
  roundedRect(cr, x, y, w, h, radius);
  setColour(cr, darker(tint, 0.7), 0.9);
  cairo_set_line_width(cr, rim * 2);
  cairo_stroke(cr);
  roundedRect(cr, x + rim * 1.5, y + rim * 1.5, w - rim * 3, h - rim * 3, radius * 0.7);
  setColour(cr, {1, 1, 1}, 0.35);
  cairo_set_line_width(cr, rim * 0.8);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void sparkle(cairo_t* cr, double x, double y, double size, Rgb colour, double alpha) {
  cairo_save(cr);
  cairo_pattern_t* core = cairo_pattern_create_radial(x, y, 0, x, y, size * 0.45);
  addStop(core, 0, {1, 1, 1}, alpha);
  addStop(core, 0.4, colour, alpha * 0.6);
  addStop(core, 1, colour, 0);
  cairo_set_source(cr, core);
  cairo_arc(cr, x, y, size * 0.45, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(core);
  const double thin = size * 0.09;
  cairo_move_to(cr, x, y - size);
  cairo_curve_to(cr, x + thin, y - thin, x + thin, y - thin, x + size, y);
  cairo_curve_to(cr, x + thin, y + thin, x + thin, y + thin, x, y + size);
  cairo_curve_to(cr, x - thin, y + thin, x - thin, y + thin, x - size, y);
  cairo_curve_to(cr, x - thin, y - thin, x - thin, y - thin, x, y - size);
  cairo_close_path(cr);
  cairo_pattern_t* rays = cairo_pattern_create_radial(x, y, 0, x, y, size);
  addStop(rays, 0, {1, 1, 1}, alpha);
  addStop(rays, 0.5, lighter(colour, 0.4), alpha * 0.8);
  addStop(rays, 1, colour, 0);
  cairo_set_source(cr, rays);
  cairo_fill(cr);
  cairo_pattern_destroy(rays);
  cairo_restore(cr);
}

}  // namespace assetgen
