#include "tools/assetgen/cursor_art.h"

#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/style.h"

namespace assetgen {
namespace {

// The game draws the pointer picture centred 2.5 px left of and 10 px below the real pointer,
// so the arrow's tip sits at (34.5, 22) of the picture.
constexpr double kTipX = 34.5, kTipY = 22;

void arrowPath(cairo_t* cr) {
  const double points[][2] = {{0, 0},       {0, 27},    {6.5, 21}, {11.5, 32},
                              {16.5, 29.5}, {11.5, 19}, {20.5, 19}};
  for (const auto& p : points) cairo_line_to(cr, kTipX + p[0] * 1.07, kTipY + p[1]);
  cairo_close_path(cr);
}

}  // namespace

Bytes cursorFrame(int frame) {
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  paintGlow(
      cr, 64, 64,
      [](cairo_t* c) {
        arrowPath(c);
        cairo_fill(c);
      },
      kTrim, 4, 0.8);
  arrowPath(cr);
  cairo_pattern_t* glass = cairo_pattern_create_linear(kTipX, kTipY, kTipX + 18, kTipY + 30);
  addStop(glass, 0, {1, 1, 1});
  addStop(glass, 0.5, {0.55, 0.9, 1});
  addStop(glass, 1, {0.1, 0.45, 0.9});
  cairo_set_source(cr, glass);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(glass);
  setColour(cr, kInk);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // The glint: a bright band sweeping from the tip down the arrow, then a sparkle at the tip.
  const double t = frame / 9.0;
  cairo_save(cr);
  arrowPath(cr);
  cairo_clip(cr);
  const double along = -10 + t * 50;
  cairo_pattern_t* band = cairo_pattern_create_linear(kTipX + along * 0.5 - 6, kTipY + along - 6,
                                                      kTipX + along * 0.5 + 6, kTipY + along + 6);
  addStop(band, 0, kWhite, 0);
  addStop(band, 0.5, kWhite, 0.9);
  addStop(band, 1, kWhite, 0);
  cairo_set_source(cr, band);
  cairo_paint(cr);
  cairo_pattern_destroy(band);
  cairo_restore(cr);
  const double twinkle = std::sin(t * M_PI);
  sparkle(cr, kTipX + 1, kTipY + 1, 4 + 7 * twinkle, kTrim, 0.4 + 0.6 * twinkle);
  return canvas.png();
}

std::vector<Bytes> cursorArchive() {
  std::vector<Bytes> frames;
  for (int frame = 0; frame < 10; ++frame) frames.push_back(cursorFrame(frame));
  return frames;
}

}  // namespace assetgen
