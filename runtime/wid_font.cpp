#include "runtime/wid_font.h"

#include <cstring>

#include "platform/byte_reader.h"
#include "runtime/image_loader.h"

namespace rt {

bool parseWidFont(std::span<const std::uint8_t> bytes, WidFont& font, std::string& error) {
  font = WidFont{};
  if (bytes.size() < kWidHeaderBytes || std::memcmp(bytes.data(), "WID1", 4) != 0) {
    error = "not a WID1 font or header cut short";
    return false;
  }
  const std::uint32_t lineHeight = readLe32(bytes, 4);
  if (lineHeight < 1 || lineHeight > 1024) {
    error = "font line height out of range";
    return false;
  }
  const auto atlas = bytes.subspan(kWidHeaderBytes);
  if (sniffImage(atlas) != ImageKind::Png ||
      !imageSize(atlas, font.atlasWidth, font.atlasHeight, error)) {
    error = "font atlas is not a readable PNG";
    return false;
  }
  for (std::size_t code = 0; code < 256; ++code) {
    const std::size_t at = 8 + code * 14;
    WidGlyph& g = font.glyphs[code];
    g.x = readLe16s(bytes, at);
    g.y = readLe16s(bytes, at + 2);
    g.width = readLe16s(bytes, at + 4);
    g.height = readLe16s(bytes, at + 6);
    g.xOffset = readLe16s(bytes, at + 8);
    g.yOffset = readLe16s(bytes, at + 10);
    g.advance = readLe16s(bytes, at + 12);
    const bool inAtlas = g.x >= 0 && g.y >= 0 && g.width >= 0 && g.height >= 0 &&
                         g.x + g.width <= font.atlasWidth && g.y + g.height <= font.atlasHeight;
    if (!inAtlas) {
      error = "glyph " + std::to_string(code) + " lies outside the atlas";
      return false;
    }
  }
  font.lineHeight = static_cast<int>(lineHeight);
  font.atlasOffset = kWidHeaderBytes;
  return true;
}

void layoutLine(const WidFont& font, std::string_view text, iVector2 place, iVector2 scale,
                std::vector<PlacedGlyph>& out) {
  const float top = 300.0f - 25.0f * place.y - 32.0f * scale.y;
  float pen = 400.0f + 25.0f * place.x;
  for (const char c : text) {
    const WidGlyph& g = font.glyphs[static_cast<unsigned char>(c)];
    if (g.width > 0 && g.height > 0) {
      out.push_back({pen + g.xOffset * scale.x, top + g.yOffset * scale.y, g.width * scale.x,
                     g.height * scale.y, &g});
    }
    pen += g.advance * scale.x;
  }
}

}  // namespace rt
