#include "runtime/raster/rasteriser.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace rt::raster {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;

// A colour component as a factor 0..256.
int factor(float c) {
  return static_cast<int>(std::lround(std::clamp(c, 0.0f, 1.0f) * 256.0f));
}

// The first pixel whose centre lies at or after p.
int firstCentreFrom(float p) {
  return static_cast<int>(std::ceil(p - 0.5f));
}

// Maps pixel columns (or rows) to texels: texel(p) = (origin + p * step) >> 16, clamped, with
// origin and step fixed per card so that the texel of a pixel never depends on where drawing
// starts.
class TexelMap {
 public:
  TexelMap(float p0, float p1, float t0, float t1, int texels) : last_(texels - 1) {
    const double span = static_cast<double>(p1) - p0;
    const double perPixel = span != 0 ? (static_cast<double>(t1) - t0) / span * texels : 0;
    step_ = std::llround(perPixel * 65536.0);
    origin_ = std::llround((static_cast<double>(t0) * texels + (0.5 - p0) * perPixel) * 65536.0);
  }
  int at(int p) const {
    const long long texel = (origin_ + p * step_) >> 16;
    return static_cast<int>(std::clamp<long long>(texel, 0, last_));
  }

 private:
  long long origin_ = 0, step_ = 0;
  int last_;
};

// The source pixel scaled by the card's colour (factors 0..256): premultiplied.
struct Modulation {
  int r, g, b, a;
  bool none() const { return r == 256 && g == 256 && b == 256 && a == 256; }
  std::uint32_t apply(std::uint32_t t) const {
    const std::uint32_t ta = t >> 24, tr = t >> 16 & 0xFF, tg = t >> 8 & 0xFF, tb = t & 0xFF;
    const auto scale = [](std::uint32_t c, int f) {
      return (c * static_cast<std::uint32_t>(f) + 128) >> 8;
    };
    return scale(ta, a) << 24 | scale(tr, r) << 16 | scale(tg, g) << 8 | scale(tb, b);
  }
};

// d * (255 - sa) / 255, rounded, for the three colour channels at once.
std::uint32_t fadeBehind(std::uint32_t d, std::uint32_t sa) {
  const std::uint32_t keep = 255 - sa;
  std::uint32_t rb = (d & 0x00FF00FFu) * keep + 0x00800080u;
  rb = ((rb + (rb >> 8 & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  std::uint32_t g = (d >> 8 & 0xFFu) * keep + 0x80u;
  g = ((g + (g >> 8)) >> 8) & 0xFFu;
  return rb | g << 8;
}

std::uint32_t addSaturated(std::uint32_t d, std::uint32_t s) {
  const std::uint32_t r = std::min(255u, (d >> 16 & 0xFF) + (s >> 16 & 0xFF));
  const std::uint32_t g = std::min(255u, (d >> 8 & 0xFF) + (s >> 8 & 0xFF));
  const std::uint32_t b = std::min(255u, (d & 0xFF) + (s & 0xFF));
  return r << 16 | g << 8 | b;
}

}  // namespace

Rect coverage(const DrawQuad& quad) {
  return {firstCentreFrom(quad.x0), firstCentreFrom(quad.y0), firstCentreFrom(quad.x1),
          firstCentreFrom(quad.y1)};
}

void fill(const Canvas& canvas, const Rect& rect, std::uint32_t colour) {
  const Rect r = rect.intersect({0, 0, canvas.width, canvas.height});
  for (int y = r.y0; y < r.y1; ++y) std::fill(canvas.row(y) + r.x0, canvas.row(y) + r.x1, colour);
}

void drawCard(const Canvas& canvas, const Rect& clip, const Picture* picture, const DrawQuad& quad,
              Blend blend, RenderStats* stats) {
  const Rect area = coverage(quad).intersect(clip).intersect({0, 0, canvas.width, canvas.height});
  const Modulation m{factor(quad.r * quad.a), factor(quad.g * quad.a), factor(quad.b * quad.a),
                     factor(quad.a)};
  if (area.empty() || m.a == 0) return;
  static const Picture kPlain{1, 1, {0, 0, 1, 1}, {kWhite}, true};
  const Picture& pic = picture ? *picture : kPlain;
  if (pic.box.empty()) return;
  const TexelMap columns(quad.x0, quad.x1, quad.u0, quad.u1, pic.width);
  const TexelMap rows(quad.y0, quad.y1, quad.v0, quad.v1, pic.height);

  // The columns whose texels lie in the kept box: one run, since the map only ever goes one way.
  thread_local std::vector<int> texelColumns;
  texelColumns.clear();
  int firstColumn = area.x1;
  for (int x = area.x0; x < area.x1; ++x) {
    const int t = columns.at(x);
    if (t < pic.box.x0 || t >= pic.box.x1) {
      if (firstColumn < area.x1) break;
      continue;
    }
    if (firstColumn == area.x1) firstColumn = x;
    texelColumns.push_back(t - pic.box.x0);
  }
  if (texelColumns.empty()) return;
  const std::size_t width = texelColumns.size();
  const std::size_t boxWidth = static_cast<std::size_t>(pic.box.x1 - pic.box.x0);
  // An opaque picture at full opacity hides what is under it: nothing to blend.
  const bool covers = blend == Blend::Alpha && pic.opaque && m.a == 256;
  const bool copy = covers && m.none();

  long drawn = 0;
  for (int y = area.y0; y < area.y1; ++y) {
    const int row = rows.at(y);
    if (row < pic.box.y0 || row >= pic.box.y1) continue;
    const std::uint32_t* source =
        pic.pixels.data() + static_cast<std::size_t>(row - pic.box.y0) * boxWidth;
    std::uint32_t* out = canvas.row(y) + firstColumn;
    drawn += static_cast<long>(width);
    if (copy) {
      for (std::size_t i = 0; i < width; ++i) out[i] = source[texelColumns[i]] & kRgbMask;
    } else if (covers) {
      for (std::size_t i = 0; i < width; ++i) out[i] = m.apply(source[texelColumns[i]]) & kRgbMask;
    } else if (blend == Blend::Alpha) {
      for (std::size_t i = 0; i < width; ++i) {
        const std::uint32_t s = m.apply(source[texelColumns[i]]);
        out[i] = (s & kRgbMask) + fadeBehind(out[i], s >> 24);
      }
    } else {
      for (std::size_t i = 0; i < width; ++i) {
        out[i] = addSaturated(out[i], m.apply(source[texelColumns[i]]));
      }
    }
  }
  if (stats && drawn > 0) {
    ++stats->cards;
    stats->pixels += drawn;
  }
}

std::uint32_t clearColour(const DrawList& list) {
  const auto byte = [](float c) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(c, 0.0f, 1.0f) * 255.0f));
  };
  return byte(list.clearR) << 16 | byte(list.clearG) << 8 | byte(list.clearB);
}

void drawRegion(const Canvas& canvas, const Rect& region, const DrawList& list,
                const PictureSet& pictures, RenderStats* stats) {
  // The last card that covers the whole region with an opaque picture at full opacity hides the
  // clear colour and every card before it: drawing starts there.
  std::size_t firstBatch = 0, firstQuad = 0;
  bool hidden = false;
  for (std::size_t b = 0; b < list.batches.size(); ++b) {
    const DrawBatch& batch = list.batches[b];
    const Picture* picture = batch.texture ? pictures.find(batch.texture) : nullptr;
    if (batch.blend != Blend::Alpha || !picture || !picture->opaque) continue;
    for (std::size_t q = 0; q < batch.quads.size(); ++q) {
      const DrawQuad& quad = batch.quads[q];
      if (factor(quad.a) == 256 && coverage(quad).intersect(region) == region) {
        firstBatch = b;
        firstQuad = q;
        hidden = true;
      }
    }
  }
  if (!hidden) fill(canvas, region, clearColour(list));
  for (std::size_t b = firstBatch; b < list.batches.size(); ++b) {
    const DrawBatch& batch = list.batches[b];
    const Picture* picture = batch.texture ? pictures.find(batch.texture) : nullptr;
    if (batch.texture && !picture) continue;  // a picture that never uploaded draws nothing
    for (std::size_t q = b == firstBatch ? firstQuad : 0; q < batch.quads.size(); ++q) {
      const DrawQuad& quad = batch.quads[q];
      if (coverage(quad).intersect(region).empty()) continue;
      drawCard(canvas, region, picture, quad, batch.blend, stats);
    }
  }
}

}  // namespace rt::raster
