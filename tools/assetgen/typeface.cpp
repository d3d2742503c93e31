#include "tools/assetgen/typeface.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <filesystem>
#include <mutex>
#include <stdexcept>

namespace assetgen {
namespace {

const char* fileName(Face face) {
  switch (face) {
    case Face::CondensedBold:
      return "DejaVuSansCondensed-Bold.ttf";
    case Face::Condensed:
      return "DejaVuSansCondensed.ttf";
    case Face::SansBold:
      return "DejaVuSans-Bold.ttf";
    case Face::Sans:
      return "DejaVuSans.ttf";
    case Face::MonoBold:
      return "DejaVuSansMono-Bold.ttf";
  }
  return "";
}

// Where Debian and other common layouts put the DejaVu files.
constexpr std::array<const char*, 4> kFontFolders = {
    "/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/dejavu/", "/usr/share/fonts/TTF/",
    "/usr/local/share/fonts/"};

std::string findFontFile(Face face) {
  for (const char* folder : kFontFolders) {
    const std::string path = std::string(folder) + fileName(face);
    if (std::filesystem::exists(path)) return path;
  }
  throw std::runtime_error(std::string("font ") + fileName(face) +
                           " not found (install fonts-dejavu-core and fonts-dejavu-extra)");
}

// The faces live as long as the program: cairo keeps using them while drawing.
struct FaceCache {
  std::mutex lock;  // pictures are drawn on several threads
  FT_Library library = nullptr;
  std::array<cairo_font_face_t*, 5> faces{};
};

FaceCache& cache() {
  static FaceCache instance;
  return instance;
}

void selectFace(cairo_t* cr, Face face, double size) {
  cairo_set_font_face(cr, typeface(face));
  cairo_set_font_size(cr, size);
}

}  // namespace

cairo_font_face_t* typeface(Face face) {
  FaceCache& c = cache();
  const std::lock_guard<std::mutex> guard(c.lock);
  cairo_font_face_t*& slot = c.faces[static_cast<size_t>(face)];
  if (slot) return slot;
  if (!c.library && FT_Init_FreeType(&c.library) != 0) {
    throw std::runtime_error("cannot start FreeType");
  }
  const std::string path = findFontFile(face);
  FT_Face ftFace = nullptr;
  if (FT_New_Face(c.library, path.c_str(), 0, &ftFace) != 0) {
    throw std::runtime_error("cannot read font " + path);
  }
  slot = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
  return slot;
}

double textWidth(cairo_t* cr, Face face, double size, const std::string& text) {
  cairo_save(cr);
  selectFace(cr, face, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_restore(cr);
  return extents.x_advance;
}

double fitSize(cairo_t* cr, Face face, double maxSize, double maxWidth, const std::string& text) {
  const double width = textWidth(cr, face, maxSize, text);
  return width <= maxWidth ? maxSize : maxSize * maxWidth / width;
}

void textPath(cairo_t* cr, Face face, double size, const std::string& text, double x, double y,
              Align align) {
  cairo_save(cr);
  selectFace(cr, face, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  const double shift = align == Align::Left     ? 0
                       : align == Align::Centre ? extents.x_advance / 2
                                                : extents.x_advance;
  cairo_move_to(cr, x - shift, y);
  cairo_text_path(cr, text.c_str());
  cairo_restore(cr);
}

double capHeight(cairo_t* cr, Face face, double size) {
  cairo_save(cr);
  selectFace(cr, face, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, "H", &extents);
  cairo_restore(cr);
  return extents.height;
}

double drawLabel(cairo_t* cr, int canvasW, int canvasH, const std::string& text, double cx,
                 double cy, double maxWidth, double maxSize, const LabelStyle& style, Face face) {
  const double size = fitSize(cr, face, maxSize, maxWidth - style.outlineWidth * 2, text);
  const double baseline = cy + capHeight(cr, face, size) / 2;
  const Shape letters = [&](cairo_t* c) {
    textPath(c, face, size, text, cx, baseline);
    cairo_set_line_width(c, style.outlineWidth * 2 + 2);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(c);
    cairo_fill(c);
  };
  if (style.glowAlpha > 0) {
    paintGlow(cr, canvasW, canvasH, letters, style.glow, size * 0.35, style.glowAlpha);
  }
  cairo_save(cr);
  textPath(cr, face, size, text, cx, baseline);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, style.outlineWidth * 2);
  setColour(cr, style.outline);
  cairo_stroke_preserve(cr);
  const double top = baseline - capHeight(cr, face, size);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, baseline);
  addStop(fill, 0, style.top);
  addStop(fill, 1, style.bottom);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  cairo_restore(cr);
  return size;
}

}  // namespace assetgen
