#include "tests/e2e/shot_image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace e2e {
namespace {

// Calls `visit(x, y)` for each pixel of the box that lies in a width x height picture; how many.
template <typename Visit>
long ForEachPixel(const Box& box, int width, int height, Visit visit) {
  const int x0 = std::max(box.x0, 0), y0 = std::max(box.y0, 0);
  const int x1 = std::min(box.x1, width), y1 = std::min(box.y1, height);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) visit(x, y);
  return x1 > x0 && y1 > y0 ? static_cast<long>(x1 - x0) * (y1 - y0) : 0;
}

}  // namespace

Shot Shot::Load(const std::string& pngFile, std::string& error) {
  Shot shot;
  SDL_Surface* loaded = IMG_Load(pngFile.c_str());
  if (!loaded) {
    error = IMG_GetError();
    return shot;
  }
  SDL_Surface* image = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(loaded);
  if (!image) {
    error = SDL_GetError();
    return shot;
  }
  shot.width_ = image->w;
  shot.height_ = image->h;
  shot.rgba_.resize(static_cast<std::size_t>(image->w) * image->h * 4);
  for (int y = 0; y < image->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(image->pixels) + y * image->pitch;
    std::copy(row, row + image->w * 4,
              shot.rgba_.begin() + static_cast<std::ptrdiff_t>(y) * image->w * 4);
  }
  SDL_FreeSurface(image);
  return shot;
}

Shot Shot::FromRgba(int width, int height, std::vector<std::uint8_t> rgba) {
  Shot shot;
  if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4)
    return shot;
  shot.width_ = width;
  shot.height_ = height;
  shot.rgba_ = std::move(rgba);
  return shot;
}

bool Shot::Save(const std::string& pngFile, std::string& error) const {
  SDL_Surface* image =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba_.data()), width_, height_,
                                         32, width_ * 4, SDL_PIXELFORMAT_RGBA32);
  if (!image) {
    error = SDL_GetError();
    return false;
  }
  const bool saved = IMG_SavePNG(image, pngFile.c_str()) == 0;
  if (!saved) error = IMG_GetError();
  SDL_FreeSurface(image);
  return saved;
}

Rgb Shot::at(int x, int y) const {
  const std::uint8_t* p = &rgba_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  return {p[0], p[1], p[2]};
}

double Shot::Share(const Box& box, const std::function<bool(Rgb)>& kind) const {
  long count = 0;
  const long pixels =
      ForEachPixel(box, width_, height_, [&](int x, int y) { count += kind(at(x, y)); });
  return pixels ? static_cast<double>(count) / pixels : 0;
}

double Shot::MeanLuma(const Box& box) const {
  double sum = 0;
  const long pixels =
      ForEachPixel(box, width_, height_, [&](int x, int y) { sum += at(x, y).luma(); });
  return pixels ? sum / pixels : 0;
}

double DifferingShare(const Shot& a, const Shot& b, const Box& box, int tolerance) {
  if (a.width() != b.width() || a.height() != b.height()) return 1;
  long count = 0;
  const long pixels = ForEachPixel(box, a.width(), a.height(), [&](int x, int y) {
    const Rgb p = a.at(x, y), q = b.at(x, y);
    count += std::abs(p.r - q.r) > tolerance || std::abs(p.g - q.g) > tolerance ||
             std::abs(p.b - q.b) > tolerance;
  });
  return pixels ? static_cast<double>(count) / pixels : 0;
}

}  // namespace e2e
