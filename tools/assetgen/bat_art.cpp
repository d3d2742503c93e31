#include "tools/assetgen/bat_art.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/effects_art.h"
#include "tools/assetgen/random.h"
#include "tools/assetgen/style.h"

namespace assetgen {
namespace {

constexpr Rgb kSteel{0.62, 0.68, 0.78};
constexpr Rgb kStripe{0.1, 0.45, 1.0};
constexpr Rgb kLamp{1.0, 0.35, 0.15};

void nozzle(cairo_t* cr, double x, double top) {
  cairo_move_to(cr, x - 6, top);
  cairo_line_to(cr, x + 6, top);
  cairo_line_to(cr, x + 9, top + 11);
  cairo_line_to(cr, x - 9, top + 11);
  cairo_close_path(cr);
  cairo_pattern_t* shell = cairo_pattern_create_linear(x - 9, 0, x + 9, 0);
  addStop(shell, 0, {0.15, 0.16, 0.2});
  addStop(shell, 0.4, {0.7, 0.72, 0.8});
  addStop(shell, 1, {0.12, 0.12, 0.16});
  cairo_set_source(cr, shell);
  cairo_fill(cr);
  cairo_pattern_destroy(shell);
  // The glowing throat the jets come out of.
  cairo_save(cr);
  cairo_translate(cr, x, top + 11);
  cairo_scale(cr, 8, 2.6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_pattern_t* fire = cairo_pattern_create_radial(x, top + 11, 0, x, top + 11, 8);
  addStop(fire, 0, {1, 1, 0.8});
  addStop(fire, 0.6, {1, 0.6, 0.1});
  addStop(fire, 1, {0.8, 0.2, 0.0});
  cairo_set_source(cr, fire);
  cairo_fill(cr);
  cairo_pattern_destroy(fire);
}

void lamp(cairo_t* cr, double x, double y, Rgb colour) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, 6);
  addStop(glow, 0, kWhite);
  addStop(glow, 0.35, colour);
  addStop(glow, 1, colour, 0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, x, y, 6, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

void barrel(cairo_t* cr, double x, double bottom, double length) {
  metalFill(cr, x - 4, bottom - length, 8, length + 2, 2, {0.5, 0.52, 0.6});
  cairo_rectangle(cr, x - 5, bottom - length, 10, 3);
  setColour(cr, {0.25, 0.25, 0.3});
  cairo_fill(cr);
  lamp(cr, x, bottom - length + 1, {1, 0.4, 0.1});
}

void catcherPad(cairo_t* cr, double x, double top, double growth) {
  const double h = 3 + 4 * growth;
  roundedRect(cr, x - 11, top - h, 22, h + 2, 3);
  cairo_pattern_t* pad = cairo_pattern_create_linear(0, top - h, 0, top + 2);
  addStop(pad, 0, {0.6, 1, 0.6});
  addStop(pad, 1, {0.05, 0.5, 0.15});
  cairo_set_source(cr, pad);
  cairo_fill(cr);
  cairo_pattern_destroy(pad);
  cairo_set_line_width(cr, 1);
  setColour(cr, {0.8, 1, 0.8}, 0.5 + 0.5 * growth);
  for (double dx = -8; dx <= 8; dx += 4) {
    cairo_move_to(cr, x + dx, top - h + 1);
    cairo_line_to(cr, x + dx, top);
  }
  cairo_stroke(cr);
}

// Glowing wings from the hull's ends out to the bat's full width, in line with the canopy stripe:
// bright at the hull, thinning and fading towards their tips.
void energyWings(cairo_t* cr, double cx, double cy, double hullWidth, double width) {
  const double root = hullWidth / 2 - 4, tip = width / 2, y = cy - 5.5;
  if (tip <= root + 2) return;
  for (int side = -1; side <= 1; side += 2) {
    const double x0 = cx + side * root, x1 = cx + side * tip;
    for (const double halfHeight : {7.0, 3.5}) {
      const bool core = halfHeight < 5;
      cairo_move_to(cr, x0, y - halfHeight);
      cairo_curve_to(cr, (x0 + x1) / 2, y - halfHeight, x1, y - 1.5, x1, y);
      cairo_curve_to(cr, x1, y + 1.5, (x0 + x1) / 2, y + halfHeight, x0, y + halfHeight);
      cairo_close_path(cr);
      cairo_pattern_t* light = cairo_pattern_create_linear(x0, 0, x1, 0);
      addStop(light, 0, core ? Rgb{0.8, 0.95, 1} : kStripe, core ? 1.0 : 0.55);
      addStop(light, 1, core ? Rgb{0.4, 0.8, 1} : kStripe, core ? 0.55 : 0.1);
      cairo_set_source(cr, light);
      cairo_fill(cr);
      cairo_pattern_destroy(light);
    }
  }
}

constexpr double kWideSolidHull = 184;

}  // namespace

void drawBat(cairo_t* cr, double cx, double cy, double width, BatShape shape, double growth) {
  cairo_save(cr);
  const double hullWidth = shape == BatShape::Wide ? std::min(width, kWideSolidHull) : width;
  if (shape == BatShape::Wide) energyWings(cr, cx, cy, hullWidth, width);
  const double left = cx - hullWidth / 2, top = cy - 16, hullH = 24;
  // Nozzles first: the hull overlaps their tops.
  const double side = hullWidth / 2 - 22;
  nozzle(cr, cx, cy + 6);
  if (side > 14) {
    nozzle(cr, cx - side, cy + 4);
    nozzle(cr, cx + side, cy + 4);
  }
  if (shape == BatShape::Gun) {
    barrel(cr, cx - 37, top + 3, 4 + 22 * growth);
    barrel(cr, cx + 37, top + 3, 4 + 22 * growth);
  }
  metalFill(cr, left, top, hullWidth, hullH, 12, kSteel);
  // A glossy blue canopy stripe across the middle of the hull.
  const double stripeW = std::max(20.0, hullWidth - 44);
  glossyFill(cr, cx - stripeW / 2, top + 5, stripeW, 11, 5.5, kStripe);
  lamp(cr, left + 9, top + 12, kLamp);
  lamp(cr, left + hullWidth - 9, top + 12, kLamp);
  if (shape == BatShape::Catcher) {
    catcherPad(cr, cx - hullWidth * 0.3, top + 1, growth);
    catcherPad(cr, cx, top + 1, growth);
    catcherPad(cr, cx + hullWidth * 0.3, top + 1, growth);
  }
  cairo_restore(cr);
}

void drawMissile(cairo_t* cr, double w, double h) {
  cairo_save(cr);
  cairo_scale(cr, w / 18, h / 49);
  // Exhaust flame.
  cairo_pattern_t* flame = cairo_pattern_create_radial(9, 38, 0, 9, 40, 10);
  addStop(flame, 0, {1, 1, 0.8});
  addStop(flame, 0.5, {1, 0.55, 0.1}, 0.8);
  addStop(flame, 1, {1, 0.2, 0}, 0);
  cairo_set_source(cr, flame);
  cairo_move_to(cr, 4, 36);
  cairo_curve_to(cr, 4, 42, 9, 49, 9, 49);
  cairo_curve_to(cr, 9, 49, 14, 42, 14, 36);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(flame);
  // Fins.
  setColour(cr, {0.85, 0.15, 0.1});
  cairo_move_to(cr, 5, 24);
  cairo_line_to(cr, 1, 36);
  cairo_line_to(cr, 5, 34);
  cairo_close_path(cr);
  cairo_move_to(cr, 13, 24);
  cairo_line_to(cr, 17, 36);
  cairo_line_to(cr, 13, 34);
  cairo_close_path(cr);
  cairo_fill(cr);
  // Body with a red nose.
  cairo_move_to(cr, 9, 1);
  cairo_curve_to(cr, 13, 5, 13.5, 10, 13.5, 16);
  cairo_line_to(cr, 13.5, 36);
  cairo_line_to(cr, 4.5, 36);
  cairo_line_to(cr, 4.5, 16);
  cairo_curve_to(cr, 4.5, 10, 5, 5, 9, 1);
  cairo_close_path(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(4.5, 0, 13.5, 0);
  addStop(body, 0, {0.35, 0.38, 0.45});
  addStop(body, 0.4, {0.95, 0.97, 1});
  addStop(body, 1, {0.3, 0.32, 0.38});
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  cairo_move_to(cr, 9, 1);
  cairo_curve_to(cr, 13, 5, 13.5, 10, 13.5, 12);
  cairo_line_to(cr, 4.5, 12);
  cairo_curve_to(cr, 4.5, 10, 5, 5, 9, 1);
  cairo_close_path(cr);
  setColour(cr, {0.95, 0.2, 0.15}, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
}

namespace {

constexpr double kPlainHull = 156, kNarrowHull = 91, kWideHull = 288;

// A bat look drawn for a `designH`-high box with the hull centred at `cy`, then fitted to h.
Bytes batPicture(int w, int h, int designH, double cy, double hull, BatShape shape, double growth,
                 bool flash) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  cairo_scale(cr, 1, static_cast<double>(h) / designH);
  drawBat(cr, w / 2.0, cy, hull, shape, growth);
  if (flash) {
    // The hit flash: the bat lit white-hot.
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr, 1, 1, 0.9, 0.65);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  }
  return canvas.png();
}

// A frame of the bat blowing up: a fireball stretched over the box with hull plates flying off.
Bytes batExplosion(int w, int h, int frame) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  cairo_save(cr);
  cairo_scale(cr, w / 128.0, h / 128.0);
  drawExplosion(cr, 128, 1 + frame * 3);
  cairo_restore(cr);
  Random random(77);
  const double spread = 0.25 + 0.18 * frame;
  for (int i = 0; i < 9; ++i) {
    const double dx = random.range(-1, 1), dy = random.range(-1, 0.6);
    const double x = w / 2.0 + dx * w * spread * 0.9, y = h / 2.0 + dy * h * spread * 0.8;
    const double size = random.range(10, 20) * (1 - frame * 0.12);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, random.range(0, 2 * M_PI) + frame * random.range(-0.6, 0.6));
    metalFill(cr, -size / 2, -size / 4, size, size / 2, 2, i % 3 ? kSteel : kStripe);
    cairo_restore(cr);
  }
  return canvas.png();
}

}  // namespace

std::vector<Bytes> batArchive() {
  std::vector<Bytes> pictures;
  // Plain looks: 48 high, hull centred at 24. The gun's barrels need 19 more pixels above, the
  // catcher's pads 3.
  auto plain = [&](int w, int h, double hull, bool flash) {
    pictures.push_back(batPicture(w, h, 48, 24, hull, BatShape::Plain, 0, flash));
  };
  auto wide = [&](int w, int h, double span, bool flash) {
    pictures.push_back(batPicture(w, h, 48, 24, span, BatShape::Wide, 0, flash));
  };
  plain(164, 48, kPlainHull, false);
  plain(164, 45, kPlainHull, true);
  plain(99, 48, kNarrowHull, false);
  plain(99, 45, kNarrowHull, true);
  wide(296, 48, kWideHull, false);
  wide(296, 46, kWideHull, true);
  pictures.push_back(batPicture(164, 67, 67, 43, kPlainHull, BatShape::Gun, 1, false));
  pictures.push_back(batPicture(164, 63, 67, 43, kPlainHull, BatShape::Gun, 1, true));
  pictures.push_back(batPicture(164, 51, 51, 27, kPlainHull, BatShape::Catcher, 1, false));
  pictures.push_back(batPicture(164, 48, 51, 27, kPlainHull, BatShape::Catcher, 1, true));
  // Growth frames are shown on the mesh the bat had before, so they keep its 164 x 48 box (the
  // wide bat's stretch alone has in-between boxes); the hull morphs, barrels and pads rise.
  for (int f = 1; f <= 3; ++f)
    plain(164, 48, kPlainHull + (kNarrowHull - kPlainHull) * f / 3, false);
  wide(201, 49, 193, false);
  wide(243, 49, 235, false);
  wide(296, 48, kWideHull, false);
  for (int f = 1; f <= 3; ++f) {
    pictures.push_back(batPicture(164, 48, 48, 27, kPlainHull, BatShape::Gun, f * 0.15, false));
  }
  for (int f = 1; f <= 3; ++f) {
    pictures.push_back(batPicture(164, 48, 48, 25, kPlainHull, BatShape::Catcher, f / 3.0, false));
  }
  const int explosion[5][2] = {{397, 93}, {457, 86}, {530, 103}, {480, 106}, {416, 109}};
  for (int frame = 0; frame < 5; ++frame) {
    pictures.push_back(batExplosion(explosion[frame][0], explosion[frame][1], frame));
  }
  Canvas missile(18, 49);
  drawMissile(missile.cr(), 18, 49);
  pictures.push_back(missile.png());
  return pictures;
}

}  // namespace assetgen
