#include "tools/assetgen/app_icon.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/style.h"

namespace assetgen {
namespace {

namespace fs = std::filesystem;

// The icon is drawn on a 256-unit square and scaled to each size. Only paths and gradients are
// used (no blurred glows), so the SVG carries the same picture as the PNGs.
constexpr double kSide = 256;
constexpr int kPixelSizes[] = {48, 64, 128, 256};

void spaceTile(cairo_t* cr) {
  const Mood& mood = levelMood(0);
  roundedRect(cr, 12, 12, kSide - 24, kSide - 24, 46);
  cairo_pattern_t* sky = cairo_pattern_create_radial(96, 80, 10, 128, 128, 170);
  addStop(sky, 0, mood.nebulaB);
  addStop(sky, 0.45, mood.nebulaA);
  addStop(sky, 1, mood.deep);
  cairo_set_source(cr, sky);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(sky);
  setColour(cr, kTrim, 0.9);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
}

// Three rows of bricks with one knocked out, where the ball has just been.
void bricks(cairo_t* cr) {
  const Rgb rows[] = {kHighlight, {0.95, 0.3, 0.55}, kButtonBlue};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row == 2 && column == 2) continue;
      glossyFill(cr, 40 + column * 60, 44 + row * 30, 56, 26, 6, rows[row]);
    }
  }
}

void ball(cairo_t* cr) {
  const double x = 168, y = 150, r = 15;
  // The trail back towards the bat.
  cairo_move_to(cr, x - r * 0.8, y - r * 0.5);
  cairo_line_to(cr, x - 62, y + 48);
  cairo_line_to(cr, x + r * 0.5, y + r * 0.8);
  cairo_close_path(cr);
  cairo_pattern_t* trail = cairo_pattern_create_linear(x, y, x - 62, y + 48);
  addStop(trail, 0, kTrim, 0.7);
  addStop(trail, 1, kTrim, 0);
  cairo_set_source(cr, trail);
  cairo_fill(cr);
  cairo_pattern_destroy(trail);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_pattern_t* body = cairo_pattern_create_radial(x - 5, y - 5, 1, x, y, r);
  addStop(body, 0, kWhite);
  addStop(body, 0.5, lighter(kTrim, 0.4));
  addStop(body, 1, darker(kTrim, 0.3));
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
}

void bat(cairo_t* cr) {
  glossyFill(cr, 58, 196, 140, 24, 12, {0.62, 0.68, 0.78});
  roundedRect(cr, 112, 199, 32, 18, 4);
  setColour(cr, {0.1, 0.45, 1.0});
  cairo_fill(cr);
}

void drawIcon(cairo_t* cr) {
  spaceTile(cr);
  bricks(cr);
  ball(cr);
  bat(cr);
}

void check(cairo_status_t status, const fs::path& file) {
  if (status != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + file.string() + ": " +
                             cairo_status_to_string(status));
  }
}

}  // namespace

void writeAppIcons(const std::string& name, const std::string& outDir) {
  const fs::path theme = fs::path(outDir) / "hicolor";
  for (const int size : kPixelSizes) {
    const fs::path folder = theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder);
    Canvas canvas(size, size);
    cairo_scale(canvas.cr(), size / kSide, size / kSide);
    drawIcon(canvas.cr());
    const fs::path file = folder / (name + ".png");
    check(cairo_surface_write_to_png(canvas.surface(), file.c_str()), file);
  }
  const fs::path folder = theme / "scalable" / "apps";
  fs::create_directories(folder);
  const fs::path file = folder / (name + ".svg");
  cairo_surface_t* svg = cairo_svg_surface_create(file.c_str(), kSide, kSide);
  cairo_svg_surface_set_document_unit(svg, CAIRO_SVG_UNIT_PX);
  cairo_t* cr = cairo_create(svg);
  drawIcon(cr);
  cairo_destroy(cr);
  cairo_surface_finish(svg);
  const cairo_status_t status = cairo_surface_status(svg);
  cairo_surface_destroy(svg);
  check(status, file);
}

}  // namespace assetgen
