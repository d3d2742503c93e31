// DejaVu faces for cairo text, loaded through FreeType from the usual Debian font folders, and
// helpers that lay out a label inside a box.
#pragma once

#include <cairo.h>

#include <string>

#include "tools/assetgen/canvas.h"

namespace assetgen {

enum class Face { CondensedBold, Condensed, SansBold, Sans, MonoBold };

// The cairo face; throws std::runtime_error naming the file when no copy of it is installed.
cairo_font_face_t* typeface(Face face);

// Width of `text` (UTF-8) at `size` pixels.
double textWidth(cairo_t* cr, Face face, double size, const std::string& text);

// The largest size up to `maxSize` at which `text` fits in `maxWidth`.
double fitSize(cairo_t* cr, Face face, double maxSize, double maxWidth, const std::string& text);

enum class Align { Left, Centre, Right };

// Adds the outline of `text` to the current path; (x, y) is the anchor on the baseline.
void textPath(cairo_t* cr, Face face, double size, const std::string& text, double x, double y,
              Align align = Align::Centre);

// Capital height of the face at `size`, for centring a label vertically.
double capHeight(cairo_t* cr, Face face, double size);

struct LabelStyle {
  Rgb top, bottom;  // vertical gradient of the letters
  Rgb outline;
  double outlineWidth;
  Rgb glow;
  double glowAlpha;  // 0 = no halo
};

// A gradient-filled, outlined label centred on (cx, cy) that fits `maxWidth`, size at most
// `maxSize`. Returns the size used.
double drawLabel(cairo_t* cr, int canvasW, int canvasH, const std::string& text, double cx,
                 double cy, double maxWidth, double maxSize, const LabelStyle& style,
                 Face face = Face::CondensedBold);

}  // namespace assetgen
