#include "runtime/raster/picture.h"

namespace rt::raster {

Picture pictureFromImage(const Image& image) {
  Picture picture;
  picture.width = image.width;
  picture.height = image.height;
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  picture.pixels.resize(count);
  bool opaque = true;
  const std::uint8_t* in = image.rgba.data();
  for (std::size_t i = 0; i < count; ++i, in += 4) {
    const std::uint32_t a = in[3];
    opaque = opaque && a == 255;
    const auto premultiply = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    picture.pixels[i] =
        a << 24 | premultiply(in[0]) << 16 | premultiply(in[1]) << 8 | premultiply(in[2]);
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

const Picture* PictureSet::find(int reference) const {
  if (reference < 1 || static_cast<std::size_t>(reference) > pictures_.size()) return nullptr;
  return pictures_[static_cast<std::size_t>(reference - 1)].get();
}

}  // namespace rt::raster
