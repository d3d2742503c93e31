#include "runtime/raster/picture.h"

#include <algorithm>

namespace rt::raster {

namespace {

std::uint8_t alphaAt(const Image& image, int x, int y) {
  return image.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                     static_cast<std::size_t>(x)) *
                        4 +
                    3];
}

// The smallest box holding every texel that is not fully transparent; empty when none is.
Rect visibleBox(const Image& image) {
  Rect box{image.width, image.height, 0, 0};
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (alphaAt(image, x, y) == 0) continue;
      box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1),
             std::max(box.y1, y + 1)};
    }
  }
  return box.empty() ? Rect{} : box;
}

}  // namespace

Picture pictureFromImage(const Image& image) {
  Picture picture;
  picture.width = image.width;
  picture.height = image.height;
  picture.box = visibleBox(image);
  const Rect& box = picture.box;
  picture.pixels.reserve(static_cast<std::size_t>(box.area()));
  bool opaque = box == Rect{0, 0, image.width, image.height};
  for (int y = box.y0; y < box.y1; ++y) {
    const std::uint8_t* in =
        image.rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(box.x0)) *
                                4;
    for (int x = box.x0; x < box.x1; ++x, in += 4) {
      const std::uint32_t a = in[3];
      opaque = opaque && a == 255;
      const auto premultiply = [a](std::uint32_t c) { return (c * a + 127) / 255; };
      picture.pixels.push_back(a << 24 | premultiply(in[0]) << 16 | premultiply(in[1]) << 8 |
                               premultiply(in[2]));
    }
  }
  picture.opaque = opaque;
  return picture;
}

int PictureSet::add(Picture picture) {
  pictures_.push_back(std::make_unique<Picture>(std::move(picture)));
  return static_cast<int>(pictures_.size());
}

void PictureSet::remove(int reference) {
  if (reference >= 1 && static_cast<std::size_t>(reference) <= pictures_.size())
    pictures_[static_cast<std::size_t>(reference - 1)].reset();
}

long PictureSet::live() const {
  return static_cast<long>(std::count_if(pictures_.begin(), pictures_.end(),
                                         [](const auto& picture) { return picture != nullptr; }));
}

const Picture* PictureSet::find(int reference) const {
  if (reference < 1 || static_cast<std::size_t>(reference) > pictures_.size()) return nullptr;
  return pictures_[static_cast<std::size_t>(reference - 1)].get();
}

}  // namespace rt::raster
