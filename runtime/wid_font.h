// Our bitmap fonts (.wid): the bytes "WID1", a 32-bit little-endian line height in pixels, 256
// glyph records of seven 16-bit little-endian signed values (x, y, width, height in the atlas,
// x offset, y offset from the top of the line, advance), then a PNG atlas of white glyphs on
// transparent to the end of the file. A byte code without a glyph has width 0 and advance 0.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/impact.h"

namespace rt {

struct WidGlyph {
  int x = 0, y = 0, width = 0, height = 0;
  int xOffset = 0, yOffset = 0, advance = 0;
};

struct WidFont {
  int lineHeight = 0;
  std::array<WidGlyph, 256> glyphs{};
  int atlasWidth = 0, atlasHeight = 0;
  std::size_t atlasOffset = 0;  // where the PNG atlas starts in the file
};

constexpr std::size_t kWidHeaderBytes = 4 + 4 + 256 * 7 * 2;

// Reads the glyph table and checks it against the atlas size from the PNG header; false, with the
// reason, when anything is out of range.
bool parseWidFont(std::span<const std::uint8_t> bytes, WidFont& font, std::string& error);

// One glyph placed on the 800 x 600 picture (pixels, y down) with its atlas rectangle.
struct PlacedGlyph {
  float x = 0, y = 0, width = 0, height = 0;
  const WidGlyph* glyph = nullptr;
};

// Lays out a line printed at place (print units: left end and vertical centre) with the given
// scale. The line is 64 pixels times scale.y high whatever the font says, as the game expects.
void layoutLine(const WidFont& font, std::string_view text, iVector2 place, iVector2 scale,
                std::vector<PlacedGlyph>& out);

}  // namespace rt
