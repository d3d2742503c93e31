// A texture of the software renderer: premultiplied 0xAARRGGBB pixels, so blending needs no
// division, and whether every pixel is opaque, so such pictures can be copied without blending.
// Only the box around the pixels that are not fully transparent is kept: many pictures are
// highlights or frames on a large clear sheet, and what is clear is neither stored nor drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/backend.h"
#include "runtime/raster/canvas.h"

namespace rt::raster {

struct Picture {
  int width = 0, height = 0;          // the whole picture, in texels
  Rect box;                           // the texels kept; everything outside is clear
  std::vector<std::uint32_t> pixels;  // the box, row after row
  bool opaque = false;
  // The texel at (x, y) inside the box.
  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y - box.y0) * static_cast<std::size_t>(box.x1 - box.x0) +
                  static_cast<std::size_t>(x - box.x0)];
  }
};

// Converts straight RGBA bytes (top row first) into a picture.
Picture pictureFromImage(const Image& image);

// The pictures of a renderer by their reference (1, 2, ...; a reference is never reused).
class PictureSet {
 public:
  int add(Picture picture);
  void remove(int reference);
  // Nothing for 0, a removed or an unknown reference.
  const Picture* find(int reference) const;
  // The pictures added and not removed.
  long live() const;

 private:
  std::vector<std::unique_ptr<Picture>> pictures_;  // reference - 1
};

}  // namespace rt::raster
