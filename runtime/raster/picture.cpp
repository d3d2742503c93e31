#include "runtime/raster/picture.h"

#include <algorithm>

#include "platform/fnv1a.h"
#include "runtime/raster/spans.h"

namespace rt::raster {

namespace {

std::uint8_t alphaAt(const Image& image, int x, int y) {
  return image.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                     static_cast<std::size_t>(x)) *
                        4 +
                    3];
}

// The smallest box holding every texel that is not fully transparent; empty when none is. Each
// row is looked at from both ends only up to its first texel that shows.
Rect visibleBox(const Image& image) {
  Rect box{image.width, image.height, 0, 0};
  for (int y = 0; y < image.height; ++y) {
    int first = 0;
    while (first < image.width && alphaAt(image, first, y) == 0) ++first;
    if (first == image.width) continue;
    int end = image.width;
    while (alphaAt(image, end - 1, y) == 0) --end;
    box = {std::min(box.x0, first), std::min(box.y0, y), std::max(box.x1, end), y + 1};
  }
  return box.empty() ? Rect{} : box;
}

// Tells pictures apart by their size, box and a few dozen of their pixels; equal keys are
// compared whole.
std::uint64_t keyOf(const Picture& p) {
  const int size[6] = {p.width, p.height, p.box.x0, p.box.y0, p.box.x1, p.box.y1};
  std::uint64_t key = fnv1a(size, sizeof size);
  const std::size_t step = std::max<std::size_t>(1, p.pixels.size() / 61);
  for (std::size_t i = 0; i < p.pixels.size(); i += step) key = fnv1a(&p.pixels[i], 4, key);
  return key;
}

bool samePicture(const Picture& a, const Picture& b) {
  return a.width == b.width && a.height == b.height && a.box == b.box && a.opaque == b.opaque &&
         a.pixels == b.pixels;
}

}  // namespace

int texelUnder(int pixel, int pixels, int texels) {
  return static_cast<int>((2L * pixel + 1) * texels / (2L * pixels));
}

std::pair<int, int> pixelsOver(int pixels, int texels, int low, int high) {
  // texelUnder(p) >= t exactly when (2p + 1) texels >= 2 pixels t: the first such p, in range.
  const auto firstReaching = [pixels, texels](int t) {
    const long over = 2L * pixels * t - texels, step = 2L * texels;
    return over <= 0 ? 0 : static_cast<int>(std::min<long>(pixels, (over + step - 1) / step));
  };
  const int first = firstReaching(low);
  return {first, std::max(first, firstReaching(high))};
}

Picture pictureFromImage(const Image& image) {
  Picture picture;
  picture.width = image.width;
  picture.height = image.height;
  picture.box = visibleBox(image);
  const Rect& box = picture.box;
  const auto boxWidth = static_cast<std::size_t>(box.x1 - box.x0);
  picture.pixels.resize(static_cast<std::size_t>(box.area()));
  std::uint8_t allAlpha = 255;
  std::uint32_t* out = picture.pixels.data();
  for (int y = box.y0; y < box.y1; ++y, out += boxWidth) {
    const std::uint8_t* in =
        image.rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(box.x0)) *
                                4;
    allAlpha &= premultiplyRow(out, in, boxWidth);
  }
  picture.opaque = box == Rect{0, 0, image.width, image.height} && allAlpha == 255;
  return picture;
}

Picture widthScaled(const Picture& picture, int width) {
  Picture scaled;
  scaled.width = width;
  scaled.height = picture.height;
  const auto [x0, x1] = pixelsOver(width, picture.width, picture.box.x0, picture.box.x1);
  if (x0 < x1) scaled.box = {x0, picture.box.y0, x1, picture.box.y1};
  scaled.pixels.reserve(static_cast<std::size_t>(scaled.box.area()));
  for (int y = scaled.box.y0; y < scaled.box.y1; ++y) {
    int first = scaled.box.x1, end = scaled.box.x0;
    for (int x = scaled.box.x0; x < scaled.box.x1; ++x) {
      const std::uint32_t texel = picture.at(texelUnder(x, width, picture.width), y);
      scaled.pixels.push_back(texel);
      if (texel >> 24 == 0) continue;
      first = std::min(first, x);
      end = x + 1;
    }
    scaled.shownColumns.emplace_back(first, std::max(first, end));
  }
  scaled.opaque = picture.opaque && scaled.box == Rect{0, 0, width, picture.height};
  return scaled;
}

int PictureSet::add(Picture picture) {
  const std::uint64_t key = keyOf(picture);
  std::shared_ptr<Kept> kept;
  const auto [from, to] = byKey_.equal_range(key);
  for (auto it = from; it != to && !kept; ++it) {
    std::shared_ptr<Kept> candidate = it->second.lock();
    if (candidate && samePicture(candidate->picture, picture)) kept = std::move(candidate);
  }
  if (!kept) {
    kept = std::make_shared<Kept>();
    kept->picture = std::move(picture);
    kept->key = key;
    byKey_.emplace(key, kept);
  }
  pictures_.push_back(std::move(kept));
  return static_cast<int>(pictures_.size());
}

void PictureSet::remove(int reference) {
  if (reference < 1 || static_cast<std::size_t>(reference) > pictures_.size()) return;
  std::shared_ptr<Kept>& slot = pictures_[static_cast<std::size_t>(reference - 1)];
  if (!slot) return;
  const std::uint64_t key = slot->key;
  slot.reset();
  const auto [from, to] = byKey_.equal_range(key);
  for (auto it = from; it != to;) it = it->second.expired() ? byKey_.erase(it) : std::next(it);
}

long PictureSet::live() const {
  return static_cast<long>(std::count_if(pictures_.begin(), pictures_.end(),
                                         [](const auto& picture) { return picture != nullptr; }));
}

const Picture* PictureSet::find(int reference) const {
  if (reference < 1 || static_cast<std::size_t>(reference) > pictures_.size()) return nullptr;
  const Kept* kept = pictures_[static_cast<std::size_t>(reference - 1)].get();
  return kept ? &kept->picture : nullptr;
}

const Picture* PictureSet::widened(int reference, int width) const {
  if (reference < 1 || static_cast<std::size_t>(reference) > pictures_.size() || width < 1 ||
      width > kMaxWidened)
    return nullptr;
  const Kept* kept = pictures_[static_cast<std::size_t>(reference - 1)].get();
  if (!kept) return nullptr;
  if (kept->widths.empty()) kept->widths.resize(kMaxWidened);
  std::unique_ptr<Picture>& copy = kept->widths[static_cast<std::size_t>(width - 1)];
  if (!copy) copy = std::make_unique<Picture>(widthScaled(kept->picture, width));
  return copy.get();
}

}  // namespace rt::raster
