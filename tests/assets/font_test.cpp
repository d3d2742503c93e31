// The bitmap fonts: header, glyph table and atlas agree, and every byte the game prints has a
// glyph with ink in it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>
#include <string>

#include "tests/assets/asset_bytes.h"

namespace asset_checks {
namespace {

constexpr size_t kHeader = 8;
constexpr size_t kRecord = 14;

struct Glyph {
  int x, y, width, height, offsetX, offsetY, advance;
};

Glyph glyphAt(const Bytes& font, int code) {
  const size_t at = kHeader + kRecord * static_cast<size_t>(code);
  return {s16At(font, at),     s16At(font, at + 2),  s16At(font, at + 4), s16At(font, at + 6),
          s16At(font, at + 8), s16At(font, at + 10), s16At(font, at + 12)};
}

struct Atlas {
  const Bytes* bytes;
  size_t at;
};

cairo_status_t readAtlas(void* closure, unsigned char* data, unsigned int length) {
  auto* atlas = static_cast<Atlas*>(closure);
  if (length > atlas->bytes->size() - atlas->at) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, atlas->bytes->data() + atlas->at, length);
  atlas->at += length;
  return CAIRO_STATUS_SUCCESS;
}

// Bytes of the screen encoding the game prints: printable ASCII and the Cyrillic letters.
bool printed(int code) {
  return (code >= 0x21 && code <= 0x7E) || (code >= 0x80 && code <= 0xC0);
}

class FontTest : public testing::TestWithParam<const char*> {};

TEST_P(FontTest, EveryPrintedByteHasAnInkedGlyphInsideTheAtlas) {
  const Bytes font = readBytes(gameDir() / GetParam());
  ASSERT_GT(font.size(), kHeader + 256 * kRecord) << GetParam() << " missing or truncated";
  ASSERT_EQ(std::string(font.begin(), font.begin() + 4), "WID1");
  EXPECT_EQ(u32At(font, 4), 64u) << "line height";

  Atlas source{&font, kHeader + 256 * kRecord};
  cairo_surface_t* atlas = cairo_image_surface_create_from_png_stream(readAtlas, &source);
  ASSERT_EQ(cairo_surface_status(atlas), CAIRO_STATUS_SUCCESS) << "the atlas is not a PNG";
  const int atlasWidth = cairo_image_surface_get_width(atlas);
  const int atlasHeight = cairo_image_surface_get_height(atlas);
  const uint8_t* pixels = cairo_image_surface_get_data(atlas);
  const int stride = cairo_image_surface_get_stride(atlas);

  for (int code = 0; code < 256; ++code) {
    const Glyph g = glyphAt(font, code);
    if (!printed(code)) {
      if (code != 0x20) {
        EXPECT_EQ(g.width, 0) << "code " << code << " should have no glyph";
      }
      continue;
    }
    ASSERT_GT(g.width, 0) << "no glyph for code " << code;
    ASSERT_GT(g.height, 0) << "code " << code;
    EXPECT_GT(g.advance, 0) << "code " << code;
    ASSERT_TRUE(g.x >= 0 && g.y >= 0 && g.x + g.width <= atlasWidth &&
                g.y + g.height <= atlasHeight)
        << "glyph " << code << " lies outside the atlas";
    EXPECT_TRUE(g.offsetY >= 0 && g.offsetY + g.height <= 64)
        << "glyph " << code << " leaves the line";
    int ink = 0;
    for (int row = g.y; row < g.y + g.height; ++row)
      for (int column = g.x; column < g.x + g.width; ++column)
        ink = std::max<int>(ink, pixels[row * stride + column * 4 + 3]);  // alpha of ARGB32
    EXPECT_GT(ink, 200) << "glyph " << code << " is blank";
  }
  EXPECT_GT(glyphAt(font, 0x20).advance, 0) << "the space must advance";
  // ы has two codes; both must show the same letter.
  EXPECT_EQ(glyphAt(font, 0xBB).x, glyphAt(font, 0xBC).x);
  EXPECT_EQ(glyphAt(font, 0xBB).width, glyphAt(font, 0xBC).width);
  cairo_surface_destroy(atlas);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontTest, testing::Values("data/_fontw/a_RubricaCn.wid", "data/_fontg/Fontocide.wid"),
    [](const testing::TestParamInfo<const char*>& info) {
      return std::string(info.param).find("Rubrica") != std::string::npos ? "Menu" : "Status";
    });

}  // namespace
}  // namespace asset_checks
