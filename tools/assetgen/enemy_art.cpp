#include "tools/assetgen/enemy_art.h"

#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/style.h"

namespace assetgen {
namespace {

constexpr int kSizes[3][2] = {{48, 58}, {47, 56}, {56, 49}};

void eye(cairo_t* cr, double x, double y, double r, Rgb iris) {
  cairo_pattern_t* white = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r);
  addStop(white, 0, kWhite);
  addStop(white, 1, {0.75, 0.8, 0.85});
  cairo_set_source(cr, white);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(white);
  setColour(cr, iris);
  cairo_arc(cr, x, y + r * 0.15, r * 0.55, 0, 2 * M_PI);
  cairo_fill(cr);
  setColour(cr, {0, 0, 0});
  cairo_arc(cr, x, y + r * 0.15, r * 0.28, 0, 2 * M_PI);
  cairo_fill(cr);
  setColour(cr, kWhite, 0.9);
  cairo_arc(cr, x - r * 0.25, y - r * 0.2, r * 0.17, 0, 2 * M_PI);
  cairo_fill(cr);
}

void sphereBody(cairo_t* cr, double x, double y, double rx, double ry, Rgb colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* body = cairo_pattern_create_radial(-0.35, -0.4, 0.05, 0, 0, 1);
  addStop(body, 0, lighter(colour, 0.6));
  addStop(body, 0.5, colour);
  addStop(body, 1, darker(colour, 0.6));
  cairo_set_source(cr, body);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  cairo_restore(cr);
}

// A translucent insect wing hinged at (x, y), spread by `angle` from horizontal.
void insectWing(cairo_t* cr, double x, double y, double length, double angle, double side) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, side, 1);
  cairo_rotate(cr, -angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -length * 0.45, length * 0.95, -length * 0.35, length, 0);
  cairo_curve_to(cr, length * 0.8, length * 0.2, length * 0.3, length * 0.15, 0, 0);
  cairo_close_path(cr);
  cairo_pattern_t* membrane = cairo_pattern_create_linear(0, 0, length, 0);
  addStop(membrane, 0, {0.7, 1, 0.9}, 0.75);
  addStop(membrane, 1, {0.5, 0.9, 1}, 0.35);
  cairo_set_source(cr, membrane);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(membrane);
  setColour(cr, {0.9, 1, 1}, 0.8);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 2, 0);
  cairo_line_to(cr, length * 0.8, -length * 0.12);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// A leathery bat wing with three finger bones.
void batWing(cairo_t* cr, double x, double y, double length, double angle, double side,
             Rgb colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, side, 1);
  cairo_rotate(cr, -angle);
  cairo_move_to(cr, 0, -3);
  cairo_line_to(cr, length, -length * 0.25);
  cairo_curve_to(cr, length * 0.9, length * 0.05, length * 0.8, length * 0.2, length * 0.7,
                 length * 0.3);
  cairo_curve_to(cr, length * 0.6, length * 0.15, length * 0.5, length * 0.2, length * 0.4,
                 length * 0.35);
  cairo_curve_to(cr, length * 0.3, length * 0.2, length * 0.2, length * 0.2, 0, 5);
  cairo_close_path(cr);
  cairo_pattern_t* skin = cairo_pattern_create_linear(0, -length * 0.25, 0, length * 0.35);
  addStop(skin, 0, lighter(colour, 0.3));
  addStop(skin, 1, darker(colour, 0.5));
  cairo_set_source(cr, skin);
  cairo_fill(cr);
  cairo_pattern_destroy(skin);
  setColour(cr, darker(colour, 0.7));
  cairo_set_line_width(cr, 1.1);
  for (double tip : {0.3, 0.65}) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, length * (0.4 + tip * 0.45), length * tip * 0.45);
  }
  cairo_move_to(cr, 0, -3);
  cairo_line_to(cr, length, -length * 0.25);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void glowUnder(cairo_t* cr, double x, double y, double r, Rgb colour) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, r);
  addStop(glow, 0, colour, 0.55);
  addStop(glow, 1, colour, 0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

// Kind 1: a green beetle with buzzing insect wings and a single big eye.
void beetle(cairo_t* cr, double beat) {
  const double angle = 0.2 + 0.75 * beat;
  glowUnder(cr, 24, 32, 24, {0.3, 1, 0.5});
  insectWing(cr, 20, 24, 22, angle, -1);
  insectWing(cr, 28, 24, 22, angle, 1);
  // Legs.
  setColour(cr, {0.1, 0.3, 0.1});
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 24 + side * 6, 42);
    cairo_line_to(cr, 24 + side * 11, 50);
    cairo_line_to(cr, 24 + side * 9, 55);
  }
  cairo_stroke(cr);
  sphereBody(cr, 24, 36, 13, 15, {0.2, 0.75, 0.25});
  // Antennae.
  cairo_move_to(cr, 21, 23);
  cairo_curve_to(cr, 19, 14, 15, 11, 12, 10);
  cairo_move_to(cr, 27, 23);
  cairo_curve_to(cr, 29, 14, 33, 11, 36, 10);
  cairo_stroke(cr);
  glowUnder(cr, 12, 10, 4, {1, 1, 0.4});
  glowUnder(cr, 36, 10, 4, {1, 1, 0.4});
  eye(cr, 24, 33, 7, {0.9, 0.2, 0.1});
}

// Kind 2: a violet imp with bat wings and two glowing eyes.
void imp(cairo_t* cr, double beat) {
  const double angle = -0.3 + 0.9 * beat;
  glowUnder(cr, 23.5, 30, 23, {0.8, 0.3, 1});
  batWing(cr, 19, 26, 23, angle, -1, {0.45, 0.15, 0.6});
  batWing(cr, 28, 26, 23, angle, 1, {0.45, 0.15, 0.6});
  // Horns.
  setColour(cr, {1, 0.85, 0.6});
  cairo_move_to(cr, 16, 20);
  cairo_line_to(cr, 13, 8);
  cairo_line_to(cr, 20, 17);
  cairo_move_to(cr, 31, 20);
  cairo_line_to(cr, 34, 8);
  cairo_line_to(cr, 27, 17);
  cairo_fill(cr);
  sphereBody(cr, 23.5, 30, 11, 13, {0.6, 0.2, 0.85});
  // Tail.
  cairo_move_to(cr, 23.5, 42);
  cairo_curve_to(cr, 22, 50, 28, 50, 26, 55);
  setColour(cr, {0.4, 0.1, 0.55});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  eye(cr, 19.5, 28, 4, {1, 0.8, 0.1});
  eye(cr, 27.5, 28, 4, {1, 0.8, 0.1});
  setColour(cr, {0.2, 0, 0.25});
  cairo_set_line_width(cr, 1.3);
  cairo_arc(cr, 23.5, 33, 4, 0.3, M_PI - 0.3);
  cairo_stroke(cr);
}

// Kind 3: an orange manta that flies with broad flapping fins.
void manta(cairo_t* cr, double beat) {
  const double lift = (beat - 0.5) * 22;
  glowUnder(cr, 28, 26, 26, {1, 0.6, 0.2});
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 28, 18);
    cairo_curve_to(cr, 28 + side * 14, 16 - lift * 0.3, 28 + side * 22, 20 - lift, 28 + side * 27,
                   24 - lift);
    cairo_curve_to(cr, 28 + side * 18, 30 - lift * 0.4, 28 + side * 12, 34, 28, 34);
    cairo_close_path(cr);
  }
  cairo_pattern_t* fin = cairo_pattern_create_linear(0, 8, 0, 36);
  addStop(fin, 0, {1, 0.75, 0.3});
  addStop(fin, 1, {0.75, 0.25, 0.05});
  cairo_set_source(cr, fin);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fin);
  setColour(cr, {0.45, 0.12, 0.0});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // Glowing spots along the fins.
  for (double side : {-1.0, 1.0}) {
    for (int i = 1; i <= 2; ++i) {
      glowUnder(cr, 28 + side * (7 + 7 * i), 24 - lift * (0.25 + 0.3 * i), 3.5, {1, 1, 0.5});
    }
  }
  sphereBody(cr, 28, 26, 9, 11, {0.95, 0.45, 0.1});
  // Whip tail.
  cairo_move_to(cr, 28, 36);
  cairo_curve_to(cr, 27, 42, 31, 44, 29, 48);
  setColour(cr, {0.6, 0.2, 0.0});
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  eye(cr, 24, 23, 3.5, {0.1, 0.6, 1});
  eye(cr, 32, 23, 3.5, {0.1, 0.6, 1});
}

}  // namespace

void drawEnemy(cairo_t* cr, int kind, int frame) {
  // One beat: wings go up over three frames and come down over two.
  static constexpr double kBeat[5] = {0.0, 0.5, 1.0, 0.75, 0.3};
  const double beat = kBeat[frame % 5];
  cairo_save(cr);
  if (kind == 1) beetle(cr, beat);
  if (kind == 2) imp(cr, beat);
  if (kind == 3) manta(cr, beat);
  cairo_restore(cr);
}

std::vector<Bytes> enemiesArchive() {
  std::vector<Bytes> pictures;
  for (int kind = 1; kind <= 3; ++kind) {
    for (int frame = 0; frame < 5; ++frame) {
      Canvas canvas(kSizes[kind - 1][0], kSizes[kind - 1][1]);
      drawEnemy(canvas.cr(), kind, frame);
      pictures.push_back(canvas.png());
    }
  }
  return pictures;
}

}  // namespace assetgen
