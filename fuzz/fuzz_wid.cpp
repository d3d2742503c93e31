// Any bytes through the .wid font reader and the line layout: an accepted font keeps every glyph
// inside its atlas.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "runtime/wid_font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rt::WidFont font;
  std::string error;
  if (!rt::parseWidFont(std::span<const std::uint8_t>(data, size), font, error)) return 0;
  for (const rt::WidGlyph& g : font.glyphs) {
    if (g.x + g.width > font.atlasWidth || g.y + g.height > font.atlasHeight) __builtin_trap();
  }
  std::string every(256, '\0');
  for (int i = 0; i < 256; ++i) every[i] = static_cast<char>(i);
  std::vector<rt::PlacedGlyph> placed;
  rt::layoutLine(font, every, {-16, 0}, {0.5f, 0.5f}, placed);
  return 0;
}
