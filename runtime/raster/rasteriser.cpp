#include "runtime/raster/rasteriser.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "runtime/raster/sprites.h"

namespace rt::raster {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// A colour component as a factor 0..256, rounded half up (none for NaN).
int factor(float c) {
  if (!(c > 0.0f)) return 0;
  if (c >= 1.0f) return 256;
  return static_cast<int>(c * 256.0f + 0.5f);
}

// The first pixel whose centre lies at or after p.
int firstCentreFrom(float p) {
  return static_cast<int>(std::ceil(p - 0.5f));
}

const Picture& plainWhite() {
  static const Picture plain{1, 1, {0, 0, 1, 1}, {kWhite}, true, {}};
  return plain;
}

// Maps pixel columns (or rows) to texels: texel(p) = (origin + p * step) >> 16, clamped, with
// origin and step fixed per card so that the texel of a pixel never depends on where drawing
// starts. It only ever goes one way.
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
  // The pixels of [from, to) whose texels lie in [low, high): one run.
  std::pair<int, int> run(int from, int to, int low, int high) const {
    // The first pixel from `from` for which `past` holds; `past` holds from some pixel on.
    const auto first = [this, to](int from, auto past) {
      for (int end = to; from < end;) {
        const int middle = from + (end - from) / 2;
        if (past(at(middle))) {
          end = middle;
        } else {
          from = middle + 1;
        }
      }
      return from;
    };
    if (step_ >= 0) {
      const int begin = first(from, [low](int t) { return t >= low; });
      return {begin, first(begin, [high](int t) { return t >= high; })};
    }
    const int begin = first(from, [high](int t) { return t < high; });
    return {begin, first(begin, [low](int t) { return t < low; })};
  }

 private:
  long long origin_ = 0, step_ = 0;
  int last_;
};

// How a card samples its picture, and the pixels whose texels lie in the picture's kept box.
struct Sampling {
  Sampling(const DrawQuad& quad, const Picture& picture)
      : columns(quad.x0, quad.x1, quad.u0, quad.u1, picture.width),
        rows(quad.y0, quad.y1, quad.v0, quad.v1, picture.height) {
    const Rect covered = coverage(quad);
    if (covered.empty() || picture.box.empty()) return;
    const auto [x0, x1] = columns.run(covered.x0, covered.x1, picture.box.x0, picture.box.x1);
    const auto [y0, y1] = rows.run(covered.y0, covered.y1, picture.box.y0, picture.box.y1);
    footprint = {x0, y0, x1, y1};
  }
  TexelMap columns, rows;
  Rect footprint;
};

// A card of a list as it is drawn: as a sprite where it is one, else as a card.
void drawListCard(const Canvas& canvas, const Rect& clip, const DrawQuad& quad, Blend blend,
                  int texture, const Picture* picture, const PictureSet& pictures,
                  RenderStats* stats) {
  if (picture) {
    if (const auto at = spritePlacement(quad, blend)) {
      if (const Picture* widened = pictures.widened(texture, at->width))
        drawSprite(canvas, clip, *widened, *at, modulationOf(quad), stats);
      return;
    }
  }
  drawCard(canvas, clip, picture, quad, blend, stats);
}

}  // namespace

Rect coverage(const DrawQuad& quad) {
  return {firstCentreFrom(quad.x0), firstCentreFrom(quad.y0), firstCentreFrom(quad.x1),
          firstCentreFrom(quad.y1)};
}

Modulation modulationOf(const DrawQuad& quad) {
  return {factor(quad.r * quad.a), factor(quad.g * quad.a), factor(quad.b * quad.a),
          factor(quad.a)};
}

void fill(const Canvas& canvas, const Rect& rect, std::uint32_t colour) {
  const Rect r = rect.intersect({0, 0, canvas.width, canvas.height});
  for (int y = r.y0; y < r.y1; ++y) std::fill(canvas.row(y) + r.x0, canvas.row(y) + r.x1, colour);
}

Rect footprint(const Picture* picture, const DrawQuad& quad) {
  return Sampling(quad, picture ? *picture : plainWhite()).footprint;
}

void drawCard(const Canvas& canvas, const Rect& clip, const Picture* picture, const DrawQuad& quad,
              Blend blend, RenderStats* stats) {
  const Modulation m = modulationOf(quad);
  if (m.a == 0) return;
  const Picture& pic = picture ? *picture : plainWhite();
  const Sampling sampling(quad, pic);
  const Rect area =
      sampling.footprint.intersect(clip).intersect({0, 0, canvas.width, canvas.height});
  if (area.empty()) return;

  // The texel column of each pixel column, from the box's left; a run of consecutive texels (a
  // card drawn at its picture's size) is read in place, any other is gathered row by row.
  const auto width = static_cast<std::size_t>(area.x1 - area.x0);
  thread_local std::vector<int> columns;
  thread_local std::vector<std::uint32_t> gathered;
  columns.resize(width);
  bool straight = true;
  for (std::size_t i = 0; i < width; ++i) {
    columns[i] = sampling.columns.at(area.x0 + static_cast<int>(i)) - pic.box.x0;
    straight = straight && columns[i] == columns[0] + static_cast<int>(i);
  }
  if (!straight) gathered.resize(width);
  // An opaque picture at full opacity hides what is under it: nothing to blend.
  const bool covers = blend == Blend::Alpha && pic.opaque && m.a == 256;
  for (int y = area.y0; y < area.y1; ++y) {
    const std::uint32_t* source = pic.texel(pic.box.x0, sampling.rows.at(y));
    const std::uint32_t* texels = source + columns[0];
    if (!straight) {
      for (std::size_t i = 0; i < width; ++i) gathered[i] = source[columns[i]];
      texels = gathered.data();
    }
    std::uint32_t* out = canvas.row(y) + area.x0;
    if (covers && m.none()) {
      copyRow(out, texels, width);
    } else if (covers) {
      coverRow(out, texels, width, m);
    } else if (blend == Blend::Alpha) {
      blendRow(out, texels, width, m);
    } else {
      addRow(out, texels, width, m);
    }
  }
  if (stats) {
    ++stats->cards;
    stats->pixels += area.area();
  }
}

void listFootprints(const DrawList& list, const PictureSet& pictures, std::vector<Rect>& out) {
  out.clear();
  for (const DrawBatch& batch : list.batches) {
    const Picture* picture = batch.texture ? pictures.find(batch.texture) : nullptr;
    for (const DrawQuad& quad : batch.quads) {
      // A picture that never uploaded draws nothing, nor does a card without opacity.
      if ((batch.texture && !picture) || modulationOf(quad).a == 0) {
        out.emplace_back();
        continue;
      }
      const auto at = picture ? spritePlacement(quad, batch.blend) : std::nullopt;
      if (!at) {
        out.push_back(footprint(picture, quad));
        continue;
      }
      const Picture* widened = pictures.widened(batch.texture, at->width);
      out.push_back(widened ? spriteFootprint(*widened, *at) : Rect{});
    }
  }
}

std::uint32_t clearColour(const DrawList& list) {
  const auto byte = [](float c) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(c, 0.0f, 1.0f) * 255.0f));
  };
  return byte(list.clearR) << 16 | byte(list.clearG) << 8 | byte(list.clearB);
}

void drawRegions(const Canvas& canvas, const std::vector<Rect>& regions, const DrawList& list,
                 const PictureSet& pictures, const std::vector<Rect>& footprints,
                 RenderStats* stats) {
  // The cards that hide everything under them where they lie (opaque pictures at full opacity),
  // and the pixels each batch changes, so a region passes over the batches far from it at once.
  thread_local std::vector<std::size_t> hiding;
  thread_local std::vector<Rect> batchPixels;
  hiding.clear();
  batchPixels.clear();
  std::size_t card = 0;
  for (const DrawBatch& batch : list.batches) {
    const Picture* picture = batch.texture ? pictures.find(batch.texture) : nullptr;
    const bool opaque = batch.blend == Blend::Alpha && picture && picture->opaque;
    Rect pixels{};
    for (const DrawQuad& quad : batch.quads) {
      if (opaque && factor(quad.a) == 256) hiding.push_back(card);
      const Rect& changed = footprints[card++];
      if (changed.empty()) continue;
      pixels = pixels.empty()
                   ? changed
                   : Rect{std::min(pixels.x0, changed.x0), std::min(pixels.y0, changed.y0),
                          std::max(pixels.x1, changed.x1), std::max(pixels.y1, changed.y1)};
    }
    batchPixels.push_back(pixels);
  }
  const std::uint32_t clear = clearColour(list);
  for (const Rect& region : regions) {
    // The last card that covers the whole region hides the clear colour and every card before
    // it: drawing starts there.
    const auto last = std::find_if(hiding.rbegin(), hiding.rend(), [&](std::size_t c) {
      return footprints[c].intersect(region) == region;
    });
    const std::size_t start = last == hiding.rend() ? 0 : *last;
    if (last == hiding.rend()) fill(canvas, region, clear);
    card = 0;
    for (std::size_t b = 0; b < list.batches.size(); ++b) {
      const DrawBatch& batch = list.batches[b];
      const std::size_t first = card;
      card += batch.quads.size();
      if (card <= start || batchPixels[b].intersect(region).empty()) continue;
      const Picture* picture = batch.texture ? pictures.find(batch.texture) : nullptr;
      for (std::size_t index = std::max(first, start); index < card; ++index) {
        if (footprints[index].intersect(region).empty()) continue;
        drawListCard(canvas, region, batch.quads[index - first], batch.blend, batch.texture,
                     picture, pictures, stats);
      }
    }
  }
}

}  // namespace rt::raster
