// The two bitmap fonts, baked from the DejaVu faces with FreeType. A .wid file is "WID1", the
// line height (32-bit LE), 256 glyph records of seven 16-bit LE values (atlas x, y, width,
// height, x offset, y offset from the line top, advance) and a PNG atlas of white glyphs on
// transparent to the end of the file.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "online/ScreenCharset.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/png.h"

namespace assetgen {
namespace {

constexpr int kLineHeight = 64;
constexpr int kAtlasWidth = 1024;
constexpr int kCellMargin = 2;  // empty pixels around every glyph, so filtering never bleeds

struct Glyph {
  int16_t x = 0, y = 0, width = 0, height = 0, offsetX = 0, offsetY = 0, advance = 0;
};

struct FontSpec {
  const char* output;  // under the game folder
  const char* face;    // DejaVu file name
  int pixelSize;       // em size: capitals fill the line well
};

// Debian's fonts-dejavu-core and fonts-dejavu-extra put the faces here.
std::string facePath(const char* face) {
  const std::filesystem::path path =
      std::filesystem::path("/usr/share/fonts/truetype/dejavu") / face;
  if (!std::filesystem::exists(path))
    throw std::runtime_error(path.string() +
                             " is missing (install fonts-dejavu-core and fonts-dejavu-extra)");
  return path.string();
}

class FreeTypeFace {
 public:
  FreeTypeFace(const std::string& path, int pixelSize) {
    if (FT_Init_FreeType(&library_)) throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(library_, path.c_str(), 0, &face_)) {
      FT_Done_FreeType(library_);
      throw std::runtime_error(path + ": FreeType cannot read the face");
    }
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize));
  }
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;
  ~FreeTypeFace() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
  }
  FT_Face get() const { return face_; }

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
};

void putU16(std::vector<uint8_t>& out, int value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// Renders every glyph of the charset, packs them in shelves and writes the .wid file.
void bakeFont(const FontSpec& spec, const std::filesystem::path& gameDir) {
  const FreeTypeFace face(facePath(spec.face), spec.pixelSize);
  const FT_Face ft = face.get();
  // The baseline that centres the face's ascent plus descent in the line.
  const double ascent = ft->size->metrics.ascender / 64.0;
  const double descent = -ft->size->metrics.descender / 64.0;
  const int baseline = static_cast<int>(std::lround((kLineHeight - ascent - descent) / 2 + ascent));

  struct Bitmap {
    int width, height;
    std::vector<uint8_t> coverage;
  };
  std::array<Glyph, 256> glyphs{};
  std::map<char32_t, size_t> firstByteOf;  // a letter with two codes is baked once
  std::vector<std::pair<size_t, Bitmap>> bitmaps;
  int penX = kCellMargin, penY = kCellMargin, shelfHeight = 0;
  for (size_t code = 0; code < kScreenCharset.size(); ++code) {
    const char32_t letter = kScreenCharset[code];
    if (letter == 0) continue;
    if (const auto seen = firstByteOf.find(letter); seen != firstByteOf.end()) {
      glyphs[code] = glyphs[seen->second];
      continue;
    }
    firstByteOf[letter] = code;
    if (FT_Load_Char(ft, letter, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT))
      throw std::runtime_error(std::string(spec.face) + ": no glyph for U+" +
                               std::to_string(static_cast<uint32_t>(letter)));
    const FT_GlyphSlot slot = ft->glyph;
    const FT_Bitmap& source = slot->bitmap;
    Glyph& glyph = glyphs[code];
    glyph.advance = static_cast<int16_t>(std::lround(slot->advance.x / 64.0));
    glyph.width = static_cast<int16_t>(source.width);
    glyph.height = static_cast<int16_t>(source.rows);
    glyph.offsetX = static_cast<int16_t>(slot->bitmap_left);
    glyph.offsetY = static_cast<int16_t>(baseline - slot->bitmap_top);
    if (glyph.width == 0 || glyph.height == 0) continue;  // the space: an advance only
    if (penX + glyph.width + kCellMargin > kAtlasWidth) {
      penX = kCellMargin;
      penY += shelfHeight + kCellMargin;
      shelfHeight = 0;
    }
    glyph.x = static_cast<int16_t>(penX);
    glyph.y = static_cast<int16_t>(penY);
    penX += glyph.width + kCellMargin;
    shelfHeight = std::max<int>(shelfHeight, glyph.height);
    Bitmap bitmap{glyph.width, glyph.height, {}};
    for (unsigned row = 0; row < source.rows; ++row)
      bitmap.coverage.insert(bitmap.coverage.end(), source.buffer + row * source.pitch,
                             source.buffer + row * source.pitch + source.width);
    bitmaps.emplace_back(code, std::move(bitmap));
  }
  const int atlasHeight = penY + shelfHeight + kCellMargin;

  // White glyphs, antialiased by their coverage; cairo keeps colours premultiplied.
  cairo_surface_t* atlas =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kAtlasWidth, atlasHeight);
  cairo_surface_flush(atlas);
  uint8_t* pixels = cairo_image_surface_get_data(atlas);
  const int stride = cairo_image_surface_get_stride(atlas);
  for (const auto& [code, bitmap] : bitmaps)
    for (int row = 0; row < bitmap.height; ++row)
      for (int column = 0; column < bitmap.width; ++column) {
        const uint32_t a = bitmap.coverage[static_cast<size_t>(row * bitmap.width + column)];
        auto* pixel = reinterpret_cast<uint32_t*>(pixels + (glyphs[code].y + row) * stride) +
                      glyphs[code].x + column;
        *pixel = a << 24 | a << 16 | a << 8 | a;
      }
  cairo_surface_mark_dirty(atlas);
  const std::vector<uint8_t> png = encodePng(atlas);
  cairo_surface_destroy(atlas);

  std::vector<uint8_t> out = {'W', 'I', 'D', '1'};
  putU16(out, kLineHeight);
  putU16(out, 0);
  for (const Glyph& g : glyphs)
    for (int16_t value : {g.x, g.y, g.width, g.height, g.offsetX, g.offsetY, g.advance})
      putU16(out, value);
  out.insert(out.end(), png.begin(), png.end());

  const std::filesystem::path path = gameDir / spec.output;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void generateFonts(const std::string& gameDir) {
  // The menu font and the status font; the mono face gives the status digits a fixed pitch.
  bakeFont({"data/_fontw/a_RubricaCn.wid", "DejaVuSansCondensed-Bold.ttf", 46}, gameDir);
  bakeFont({"data/_fontg/Fontocide.wid", "DejaVuSansMono-Bold.ttf", 44}, gameDir);
}

}  // namespace assetgen
