#include "runtime/raster/sprites.h"

#include <algorithm>

namespace rt::raster {
namespace {

// The whole number nearest to v (v far inside int's range).
int nearest(float v) {
  const int truncated = static_cast<int>(v);
  const float rest = v - static_cast<float>(truncated);
  return truncated + (rest >= 0.5f) - (rest < -0.5f);
}

}  // namespace

std::optional<SpritePlacement> spritePlacement(const DrawQuad& quad, Blend blend) {
  if (blend != Blend::Additive || quad.u0 != 0 || quad.v0 != 0 || quad.u1 != 1 || quad.v1 != 1)
    return std::nullopt;
  const float width = quad.x1 - quad.x0, height = quad.y1 - quad.y0;
  const float left = (quad.x0 + quad.x1) * 0.5f, top = (quad.y0 + quad.y1) * 0.5f;
  // Also false for NaNs; far off the picture the card path draws nothing, and the bound keeps
  // the pixel arithmetic in range.
  constexpr float kFar = 1 << 20;
  constexpr float kLargest = PictureSet::kMaxWidened;
  if (!(width >= 0.5f && width < kLargest + 0.5f && height >= 0.5f && height < kLargest + 0.5f &&
        left > -kFar && left < kFar && top > -kFar && top < kFar))
    return std::nullopt;
  SpritePlacement at;
  at.width = nearest(width);
  at.height = nearest(height);
  at.x = nearest(left - static_cast<float>(at.width) * 0.5f);
  at.y = nearest(top - static_cast<float>(at.height) * 0.5f);
  return at;
}

Rect spriteFootprint(const Picture& widened, const SpritePlacement& at) {
  const auto [y0, y1] = pixelsOver(at.height, widened.height, widened.box.y0, widened.box.y1);
  if (y0 == y1 || widened.box.empty()) return {};
  return {at.x + widened.box.x0, at.y + y0, at.x + widened.box.x1, at.y + y1};
}

void drawSprite(const Canvas& canvas, const Rect& clip, const Picture& widened,
                const SpritePlacement& at, const Modulation& m, RenderStats* stats) {
  const Rect area =
      spriteFootprint(widened, at).intersect(clip).intersect({0, 0, canvas.width, canvas.height});
  if (area.empty() || m.a == 0) return;
  // The texel row under each row in turn (texelUnder) without a division a row: (2 j + 1) texels
  // is kept as row * 2 height + rest. Only each row's shown columns are added: a clear texel
  // adds nothing.
  const int twoHeights = 2 * at.height, twoTexels = 2 * widened.height;
  int row = texelUnder(area.y0 - at.y, at.height, widened.height);
  int rest = (2 * (area.y0 - at.y) + 1) * widened.height - row * twoHeights;
  long drawn = 0;
  for (int y = area.y0; y < area.y1; ++y) {
    const auto [first, end] = widened.shownColumns[static_cast<std::size_t>(row - widened.box.y0)];
    const int x0 = std::max(area.x0, at.x + first), x1 = std::min(area.x1, at.x + end);
    if (x0 < x1) {
      addRow(canvas.row(y) + x0, widened.texel(x0 - at.x, row), static_cast<std::size_t>(x1 - x0),
             m);
      drawn += x1 - x0;
    }
    for (rest += twoTexels; rest >= twoHeights; rest -= twoHeights) ++row;
  }
  if (stats && drawn > 0) {
    ++stats->cards;
    stats->pixels += drawn;
  }
}

}  // namespace rt::raster
