// A texture of the software renderer: premultiplied 0xAARRGGBB pixels, so blending needs no
// division, and whether every pixel is opaque, so such pictures can be copied without blending.
// Only the box around the pixels that are not fully transparent is kept: many pictures are
// highlights or frames on a large clear sheet, and what is clear is neither stored nor drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "runtime/backend.h"
#include "runtime/raster/canvas.h"

namespace rt::raster {

// Leaves the elements a vector grows by uninitialised: a picture's texels are all written as soon
// as its buffer is made, and zeroing megabytes first would only cost time.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <typename U>
  explicit UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* at) noexcept {
    ::new (static_cast<void*>(at)) U;
  }
  template <typename U, typename... Args>
  void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }
};
using Texels = std::vector<std::uint32_t, UninitialisedAllocator<std::uint32_t>>;

struct Picture {
  int width = 0, height = 0;  // the whole picture, in texels
  Rect box;                   // the texels kept; everything outside is clear
  Texels pixels;              // the box, row after row
  bool opaque = false;
  // Of a sprite's copy (widthScaled) only: for each row of the box, the columns from its first
  // to its last texel that is not clear (a round flame leaves a quarter of its box clear).
  std::vector<std::pair<int, int>> shownColumns;
  // The texel at (x, y) inside the box, and where it is kept (the row goes on from there).
  std::uint32_t at(int x, int y) const { return *texel(x, y); }
  const std::uint32_t* texel(int x, int y) const {
    return pixels.data() +
           static_cast<std::size_t>(y - box.y0) * static_cast<std::size_t>(box.x1 - box.x0) +
           static_cast<std::size_t>(x - box.x0);
  }
};

// Converts straight RGBA bytes (top row first) into a picture.
Picture pictureFromImage(const Image& image);

// The texel under the centre of `pixel` when `texels` are spread over `pixels`, and the run of
// pixels whose texels lie in [low, high) (one run: the texels only ever go one way).
int texelUnder(int pixel, int pixels, int texels);
std::pair<int, int> pixelsOver(int pixels, int texels, int low, int high);

// The picture scaled to `width` columns (its rows as they are), each column taking the texel
// under its centre, with each row's shown columns.
Picture widthScaled(const Picture& picture, int width);

// The pictures of a renderer by their reference (1, 2, ...; a reference is never reused).
// Pictures with the same pixels are kept once (every particle set uploads the same flame), and so
// are the copies each is scaled to for sprites (runtime/raster/sprites.h).
class PictureSet {
 public:
  static constexpr int kMaxWidened = 64;

  int add(Picture picture);
  void remove(int reference);
  // Nothing for 0, a removed or an unknown reference.
  const Picture* find(int reference) const;
  // widthScaled of the picture, made once; nothing where find has nothing or the width is not
  // 1..kMaxWidened.
  const Picture* widened(int reference, int width) const;
  // The pictures added and not removed.
  long live() const;

 private:
  struct Kept {
    Picture picture;
    std::uint64_t key = 0;
    // widthScaled copies by width - 1, made as sprites ask for them.
    mutable std::vector<std::unique_ptr<Picture>> widths;
  };
  std::vector<std::shared_ptr<Kept>> pictures_;  // reference - 1
  std::unordered_multimap<std::uint64_t, std::weak_ptr<Kept>> byKey_;
};

}  // namespace rt::raster
