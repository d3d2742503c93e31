#include "runtime/raster/damage.h"

#include <algorithm>
#include <cstring>

#include "platform/fnv1a.h"
#include "runtime/raster/rasteriser.h"

namespace rt::raster {
namespace {

// Mixes a card's quad, texture and blend a 64-bit word at a time: a frame hashes every card.
static_assert(sizeof(DrawQuad) % 8 == 0, "a quad is whole words");
std::uint64_t hashOf(const DrawQuad& quad, int texture, Blend blend) {
  std::uint64_t words[sizeof quad / 8 + 1] = {};
  std::memcpy(words, &quad, sizeof quad);
  words[sizeof quad / 8] = static_cast<std::uint64_t>(static_cast<std::uint32_t>(texture)) << 8 |
                           static_cast<std::uint64_t>(blend);
  std::uint64_t hash = kFnv1aStart;
  for (const std::uint64_t word : words) hash = (hash ^ word) * 0x100000001B3ull;
  return hash ^ hash >> 29;
}

}  // namespace

bool DamageTracker::Card::operator<(const Card& other) const {
  if (hash != other.hash) return hash < other.hash;
  if (texture != other.texture) return texture < other.texture;
  if (blend != other.blend) return blend < other.blend;
  return std::memcmp(&quad, &other.quad, sizeof quad) < 0;
}

bool DamageTracker::Card::same(const Card& other) const {
  return hash == other.hash && texture == other.texture && blend == other.blend &&
         std::memcmp(&quad, &other.quad, sizeof quad) == 0;
}

DamageTracker::DamageTracker(int width, int height)
    : width_(width),
      height_(height),
      columns_((width + kTile - 1) / kTile),
      rows_((height + kTile - 1) / kTile),
      tiles_(static_cast<std::size_t>(columns_) * rows_) {}

void DamageTracker::collect(const DrawList& list, const std::vector<Rect>& footprints,
                            std::vector<Card>& cards) const {
  cards.clear();
  const Rect screen{0, 0, width_, height_};
  std::size_t index = 0;
  for (const DrawBatch& batch : list.batches) {
    for (const DrawQuad& quad : batch.quads) {
      // A card that draws nothing cannot damage anything.
      const Rect pixels = footprints[index++].intersect(screen);
      if (pixels.empty()) continue;
      Card card{0, pixels, batch.texture, batch.blend, quad};
      card.hash = hashOf(quad, batch.texture, batch.blend);
      cards.push_back(card);
    }
  }
  std::sort(cards.begin(), cards.end());
}

void DamageTracker::mark(const Rect& rect) {
  const int c0 = rect.x0 / kTile, c1 = (rect.x1 - 1) / kTile;
  const int r0 = rect.y0 / kTile, r1 = (rect.y1 - 1) / kTile;
  for (int r = r0; r <= r1; ++r) {
    std::fill(tiles_.begin() + r * columns_ + c0, tiles_.begin() + r * columns_ + c1 + 1, 1);
  }
}

// Runs of damaged tiles in a row become rectangles; a run exactly below one of the row above
// extends it downwards.
void DamageTracker::gatherRectangles() {
  damage_.clear();
  open_.clear();
  for (int r = 0; r < rows_; ++r) {
    still_.clear();
    for (int c = 0; c < columns_;) {
      if (!tiles_[static_cast<std::size_t>(r * columns_ + c)]) {
        ++c;
        continue;
      }
      int end = c;
      while (end < columns_ && tiles_[static_cast<std::size_t>(r * columns_ + end)]) ++end;
      const Rect run{c * kTile, r * kTile, std::min(end * kTile, width_),
                     std::min((r + 1) * kTile, height_)};
      const auto above = std::find_if(open_.begin(), open_.end(), [&](std::size_t i) {
        return damage_[i].x0 == run.x0 && damage_[i].x1 == run.x1;
      });
      if (above != open_.end()) {
        damage_[*above].y1 = run.y1;
        still_.push_back(*above);
      } else {
        damage_.push_back(run);
        still_.push_back(damage_.size() - 1);
      }
      c = end;
    }
    open_.swap(still_);
  }
}

const std::vector<Rect>& DamageTracker::update(const DrawList& list,
                                               const std::vector<Rect>& footprints) {
  collect(list, footprints, now_);
  const std::uint32_t clear = clearColour(list);
  std::fill(tiles_.begin(), tiles_.end(), 0);
  if (!seen_ || list.repaint || clear != lastClear_) {
    std::fill(tiles_.begin(), tiles_.end(), 1);
  } else {
    // Both lists are sorted: walk them together, marking what is in one but not the other.
    auto a = last_.begin(), b = now_.begin();
    while (a != last_.end() || b != now_.end()) {
      if (a != last_.end() && b != now_.end() && a->same(*b)) {
        ++a;
        ++b;
      } else if (b == now_.end() || (a != last_.end() && *a < *b)) {
        mark((a++)->pixels);
      } else {
        mark((b++)->pixels);
      }
    }
  }
  seen_ = true;
  lastClear_ = clear;
  last_.swap(now_);
  gatherRectangles();
  return damage_;
}

}  // namespace rt::raster
