// Which parts of the picture changed since the last frame. Every card of a frame is compared with
// the cards of the frame before: a card that appeared, went or changed in any way (place,
// picture, colour, blend) damages the pixels it changed and changes (where its picture is not
// clear: a ball is a small disc on a large clear sheet). The damage is gathered on a
// grid of tiles and handed out as rectangles that do not overlap; drawing only those gives the
// same picture as drawing everything. (A card that only changes its place in the drawing order,
// among cards that stay as they were, is not seen: the engine's order of meshes is fixed by
// priority and creation, which never change for a mesh that stays.)
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/backend.h"
#include "runtime/raster/canvas.h"

namespace rt::raster {

class DamageTracker {
 public:
  static constexpr int kTile = 32;

  DamageTracker(int width, int height);
  // The rectangles to draw for this frame; everything for the first frame, after a repaint
  // request or when the clear colour changed. footprints: listFootprints of the list.
  const std::vector<Rect>& update(const DrawList& list, const std::vector<Rect>& footprints);
  // Forgets the last frame: the next update damages everything.
  void reset() { seen_ = false; }

 private:
  struct Card {
    std::uint64_t hash;
    Rect pixels;
    int texture;
    Blend blend;
    DrawQuad quad;
    bool operator<(const Card& other) const;
    bool same(const Card& other) const;
  };
  void collect(const DrawList& list, const std::vector<Rect>& footprints,
               std::vector<Card>& cards) const;
  void mark(const Rect& rect);
  void gatherRectangles();

  int width_, height_, columns_, rows_;
  bool seen_ = false;
  std::uint32_t lastClear_ = 0;
  std::vector<Card> last_, now_;
  std::vector<std::uint8_t> tiles_;
  std::vector<Rect> damage_;
  // While gathering: the rectangles that end at the row above, then those that end at this one
  // (kept here so that a frame allocates nothing).
  std::vector<std::size_t> open_, still_;
};

}  // namespace rt::raster
