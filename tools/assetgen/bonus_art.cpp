#include "tools/assetgen/bonus_art.h"

#include <cmath>

#include "tools/assetgen/bat_art.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/icons.h"
#include "tools/assetgen/style.h"

namespace assetgen {
namespace {

constexpr double kCx = 22, kCy = 23;
constexpr Rgb kHazardRed{0.9, 0.08, 0.08};

Rgb capsuleColour(int kind) {
  switch (kind) {
    case 1:
      return {0.95, 0.3, 0.6};
    case 2:
      return {0.1, 0.75, 0.95};
    case 5:
      return {0.95, 0.7, 0.1};
    case 6:
      return {0.15, 0.4, 1.0};
    case 7:
      return {1.0, 0.5, 0.05};
    case 8:
      return {0.35, 0.85, 0.15};
    case 11:
      return {0.6, 0.3, 0.95};
    case 12:
      return {0.35, 0.55, 0.7};
    default:
      return kHazardRed;
  }
}

void plusMinus(cairo_t* cr, double x, double y, bool plus) {
  cairo_rectangle(cr, x - 4, y - 1.3, 8, 2.6);
  if (plus) cairo_rectangle(cr, x - 1.3, y - 4, 2.6, 8);
}

void shield(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y - 10);
  cairo_curve_to(cr, x + 5, y - 7, x + 8, y - 8, x + 9, y - 8);
  cairo_curve_to(cr, x + 9, y + 2, x + 5, y + 7, x, y + 10);
  cairo_curve_to(cr, x - 5, y + 7, x - 9, y + 2, x - 9, y - 8);
  cairo_curve_to(cr, x - 8, y - 8, x - 5, y - 7, x, y - 10);
  cairo_close_path(cr);
}

void triangle(cairo_t* cr, double tipX, double y, double dir, double size) {
  cairo_move_to(cr, tipX, y);
  cairo_line_to(cr, tipX - dir * size, y - size);
  cairo_line_to(cr, tipX - dir * size, y + size);
  cairo_close_path(cr);
}

// Adds the path of the icon of `kind`, to be filled white with a dark outline.
void iconPath(cairo_t* cr, int kind) {
  const double x = kCx, y = kCy;
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  switch (kind) {
    case 1:
      heartPath(cr, x, y + 1);
      break;
    case 2:
    case 4:
      clockPath(cr, x - 2.5, y + 1.5, 7.5);
      plusMinus(cr, x + 6.5, y - 6, kind == 2);
      break;
    case 3:
      // A heart split by a crack.
      cairo_move_to(cr, x - 1, y + 9);
      cairo_curve_to(cr, x - 14, y, x - 8, y - 10, x - 1, y - 3);
      cairo_line_to(cr, x - 3, y + 1);
      cairo_line_to(cr, x + 0.5, y + 4);
      cairo_close_path(cr);
      cairo_move_to(cr, x + 1.5, y + 9);
      cairo_line_to(cr, x + 3, y + 4);
      cairo_line_to(cr, x - 0.5, y + 1);
      cairo_line_to(cr, x + 1.5, y - 3);
      cairo_curve_to(cr, x + 8.5, y - 10, x + 14.5, y, x + 1.5, y + 9);
      cairo_close_path(cr);
      break;
    case 5:
      shield(cr, x, y);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, x, y - 1, 3.5, 0, -2 * M_PI);
      cairo_close_path(cr);
      break;
    case 6:
      cairo_rectangle(cr, x - 6, y - 2, 12, 4);
      triangle(cr, x - 13, y, -1, 5);
      triangle(cr, x + 13, y, 1, 5);
      break;
    case 9:
      cairo_rectangle(cr, x - 3, y - 2, 6, 4);
      triangle(cr, x - 5, y, 1, 5);
      triangle(cr, x + 5, y, -1, 5);
      cairo_rectangle(cr, x - 13, y - 6, 2, 12);
      cairo_rectangle(cr, x + 11, y - 6, 2, 12);
      break;
    case 7:
      for (double dx : {-6.0, 1.0}) {
        cairo_move_to(cr, x + dx, y - 8);
        cairo_line_to(cr, x + dx + 7, y);
        cairo_line_to(cr, x + dx, y + 8);
        cairo_line_to(cr, x + dx - 3, y + 8);
        cairo_line_to(cr, x + dx + 4, y);
        cairo_line_to(cr, x + dx - 3, y - 8);
        cairo_close_path(cr);
      }
      break;
    case 10:
      // A snail: spiral shell on a creeping foot.
      cairo_new_sub_path(cr);
      cairo_arc(cr, x + 1, y - 1, 7.5, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, x + 1, y - 1, 5, 0, -2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x + 1, y - 1, 2.5, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_rectangle(cr, x - 12, y + 6, 22, 3);
      cairo_rectangle(cr, x - 12, y + 1, 3, 6);
      break;
    case 8:
      // A horseshoe magnet.
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, x, y + 1, 9, M_PI, 0);
      cairo_line_to(cr, x + 9, y - 9);
      cairo_line_to(cr, x + 4, y - 9);
      cairo_line_to(cr, x + 4, y + 1);
      cairo_arc(cr, x, y + 1, 4, 0, M_PI);
      cairo_line_to(cr, x - 4, y - 9);
      cairo_line_to(cr, x - 9, y - 9);
      cairo_close_path(cr);
      break;
    case 11:
      for (auto [dx, dy] : {std::pair{0.0, -5.5}, {-6.0, 4.5}, {6.0, 4.5}}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + dx, y + dy, 4.8, 0, 2 * M_PI);
        cairo_close_path(cr);
      }
      break;
    default:
      break;
  }
}

void hazardBorder(cairo_t* cr) {
  cairo_save(cr);
  roundedRect(cr, 4, 5, 36, 36, 11);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 1, 0.85, 0.05);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.08, 0.05, 0.05);
  for (double d = -40; d < 60; d += 8) {
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d + 4, 0);
    cairo_line_to(cr, d + 4 + 46, 46);
    cairo_line_to(cr, d + 46, 46);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

bool isHarmfulBonus(int kind) {
  return kind == 3 || kind == 4 || kind == 9 || kind == 10;
}

void drawCapsule(cairo_t* cr, int kind) {
  cairo_save(cr);
  const Rgb colour = capsuleColour(kind);
  cairo_pattern_t* halo = cairo_pattern_create_radial(kCx, kCy, 10, kCx, kCy, 23);
  addStop(halo, 0, colour, 0.8);
  addStop(halo, 1, colour, 0);
  cairo_set_source(cr, halo);
  cairo_paint(cr);
  cairo_pattern_destroy(halo);
  if (isHarmfulBonus(kind)) {
    hazardBorder(cr);
    glossyFill(cr, 8, 9, 28, 28, 8, colour);
  } else {
    glossyFill(cr, 5, 6, 34, 34, 11, colour);
  }
  if (kind == 12) {
    cairo_save(cr);
    cairo_translate(cr, kCx - 9, kCy - 12);
    drawMissile(cr, 8, 24);
    cairo_translate(cr, 10, 0);
    drawMissile(cr, 8, 24);
    cairo_restore(cr);
  } else {
    iconPath(cr, kind);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, darker(colour, 0.75), 0.9);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke_preserve(cr);
    setColour(cr, kWhite);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

std::vector<Bytes> bonusesArchive() {
  std::vector<Bytes> pictures;
  for (int kind = 1; kind <= 12; ++kind) {
    Canvas canvas(44, 46);
    drawCapsule(canvas.cr(), kind);
    pictures.push_back(canvas.png());
  }
  return pictures;
}

}  // namespace assetgen
