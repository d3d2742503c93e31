// A texture of the software renderer: premultiplied 0xAARRGGBB pixels, so blending needs no
// division, and whether every pixel is opaque, so such pictures can be copied without blending.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/backend.h"

namespace rt::raster {

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  bool opaque = false;
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
  void clear() { pictures_.clear(); }

 private:
  std::vector<std::unique_ptr<Picture>> pictures_;  // reference - 1
};

}  // namespace rt::raster
