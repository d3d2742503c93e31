// Frames drawn by our software rasteriser: each frame only the tiles whose cards changed are
// drawn again into the 800 x 600 picture, and only those are copied (scaled in full screen) into
// the window's surface and sent to the screen.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include "runtime/raster/damage.h"
#include "runtime/raster/rasteriser.h"
#include "runtime/render_stats.h"
#include "runtime/sdl/presenter.h"

namespace rt::sdl {
namespace {

using raster::Rect;

// Where the picture lands in a surface: scaled to fit, centred, each surface pixel taking the
// nearest picture pixel.
class Placement {
 public:
  Placement(int width, int height) {
    const double scale = std::min(static_cast<double>(width) / kPictureWidth,
                                  static_cast<double>(height) / kPictureHeight);
    const int w = std::max(1, static_cast<int>(kPictureWidth * scale + 0.5));
    const int h = std::max(1, static_cast<int>(kPictureHeight * scale + 0.5));
    target = {(width - w) / 2, (height - h) / 2, (width - w) / 2 + w, (height - h) / 2 + h};
    map(w, kPictureWidth, column, firstColumn);
    map(h, kPictureHeight, row, firstRow);
  }
  bool unscaled() const {
    return target.x1 - target.x0 == kPictureWidth && target.y1 - target.y0 == kPictureHeight;
  }
  // The surface pixels that show the picture's pixels in r.
  Rect shown(const Rect& r) const {
    return {target.x0 + firstColumn[static_cast<std::size_t>(r.x0)],
            target.y0 + firstRow[static_cast<std::size_t>(r.y0)],
            target.x0 + firstColumn[static_cast<std::size_t>(r.x1)],
            target.y0 + firstRow[static_cast<std::size_t>(r.y1)]};
  }

  Rect target;
  std::vector<int> column, row;            // picture column (row) of each target column (row)
  std::vector<int> firstColumn, firstRow;  // first target column (row) of each picture column

 private:
  static void map(int targetSize, int pictureSize, std::vector<int>& source,
                  std::vector<int>& first) {
    source.resize(static_cast<std::size_t>(targetSize));
    for (int j = 0; j < targetSize; ++j) {
      source[static_cast<std::size_t>(j)] =
          std::min(pictureSize - 1, static_cast<int>((j + 0.5) * pictureSize / targetSize));
    }
    first.assign(static_cast<std::size_t>(pictureSize) + 1, targetSize);
    for (int j = targetSize - 1; j >= 0; --j)
      first[static_cast<std::size_t>(source[static_cast<std::size_t>(j)])] = j;
    for (int c = pictureSize - 1; c >= 0; --c) {
      first[static_cast<std::size_t>(c)] =
          std::min(first[static_cast<std::size_t>(c)], first[static_cast<std::size_t>(c) + 1]);
    }
  }
};

bool isXrgb(const SDL_Surface* surface) {
  const SDL_PixelFormat* f = surface->format;
  return f->BytesPerPixel == 4 && f->Rmask == 0x00FF0000u && f->Gmask == 0x0000FF00u &&
         f->Bmask == 0x000000FFu;
}

class SurfacePresenter final : public Presenter {
 public:
  SurfacePresenter(SDL_Window* window, SDL_Surface* surface)
      : window_(window), damage_(kPictureWidth, kPictureHeight) {
    useSurface(surface);
    // Each page of a new surface faults on its first touch, dearly on a virtual machine: a
    // helper touches them while the first frame's pictures are made ready.
    if (SDL_MUSTLOCK(surface) || !surface->pixels) return;
    touching_ = std::thread([pixels = static_cast<volatile std::uint8_t*>(surface->pixels),
                             bytes = static_cast<std::size_t>(surface->h) * surface->pitch] {
      for (std::size_t at = 0; at < bytes; at += 4096) pixels[at] = pixels[at];
    });
  }
  ~SurfacePresenter() override {
    if (touching_.joinable()) touching_.join();
    if (wrapped_) SDL_FreeSurface(wrapped_);
  }

  int createTexture(const Image& image) override {
    return pictures_.add(raster::pictureFromImage(image));
  }
  void destroyTexture(int texture) override { pictures_.remove(texture); }
  long liveTextures() const override { return pictures_.live(); }

  void present(const DrawList& list) override {
    if (touching_.joinable()) touching_.join();
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    const bool newSurface =
        surface != surface_ || surface->w != surfaceWidth_ || surface->h != surfaceHeight_;
    if (newSurface) useSurface(surface);
    RenderStats& stats = lastRenderStats();
    stats = {};
    raster::listFootprints(list, pictures_, footprints_);
    const std::vector<Rect>& damage = damage_.update(list, footprints_);
    raster::drawRegions(canvas_, damage, list, pictures_, footprints_, &stats);
    for (const Rect& rect : damage) stats.damagedPixels += rect.area();
    stats.rectangles = static_cast<long>(damage.size());
    send(damage, std::exchange(sendWhole_, false) || list.repaint);
  }

  bool readPicture(Image& picture, std::string& error) override {
    if (!canvas_.pixels) {
      error = "nothing has been drawn yet";
      return false;
    }
    picture.width = kPictureWidth;
    picture.height = kPictureHeight;
    picture.rgba.clear();
    for (int y = 0; y < kPictureHeight; ++y) {
      for (int x = 0; x < kPictureWidth; ++x) {
        const std::uint32_t p = canvas_.row(y)[x];
        picture.rgba.insert(picture.rgba.end(),
                            {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p), 255});
      }
    }
    return true;
  }

 private:
  // A window exactly the picture's size, in our pixel format, is drawn on directly; any other
  // gets the picture drawn aside and copied (scaled, or converted) into it.
  void useSurface(SDL_Surface* surface) {
    surface_ = surface;
    surfaceWidth_ = surface->w;
    surfaceHeight_ = surface->h;
    placement_ = std::make_unique<Placement>(surface->w, surface->h);
    damage_.reset();
    sendWhole_ = true;
    inPlace_ = isXrgb(surface) && !SDL_MUSTLOCK(surface) && placement_->unscaled() &&
               surface->w == kPictureWidth && surface->h == kPictureHeight;
    if (inPlace_) {
      pixels_ = {};
      canvas_ = {static_cast<std::uint32_t*>(surface->pixels), kPictureWidth, kPictureHeight,
                 surface->pitch / 4};
      return;
    }
    pixels_.resize(static_cast<std::size_t>(kPictureWidth) * kPictureHeight);
    canvas_ = {pixels_.data(), kPictureWidth, kPictureHeight, kPictureWidth};
  }

  // Copies the picture's rectangles into the surface and shows them; with `whole`, the bars
  // around the picture too.
  void send(const std::vector<Rect>& rects, bool whole) {
    if (inPlace_) {
      updates_.clear();
      for (const Rect& r : rects) updates_.push_back({r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0});
      if (!updates_.empty()) {
        SDL_UpdateWindowSurfaceRects(window_, updates_.data(), static_cast<int>(updates_.size()));
      }
      return;
    }
    if (SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) != 0) return;
    if (whole) fillBars();
    updates_.clear();
    for (const Rect& r : rects) {
      const Rect shown = placement_->shown(r);
      if (shown.empty()) continue;
      if (isXrgb(surface_)) {
        copyInto(r, shown);
      } else {
        convertInto(r, shown);
      }
      updates_.push_back({shown.x0, shown.y0, shown.x1 - shown.x0, shown.y1 - shown.y0});
    }
    if (SDL_MUSTLOCK(surface_)) SDL_UnlockSurface(surface_);
    if (whole) {
      SDL_UpdateWindowSurface(window_);
    } else if (!updates_.empty()) {
      SDL_UpdateWindowSurfaceRects(window_, updates_.data(), static_cast<int>(updates_.size()));
    }
  }

  // The black bars around the picture (the picture's own place is drawn over at once).
  void fillBars() {
    const Rect& t = placement_->target;
    const Uint32 black = SDL_MapRGB(surface_->format, 0, 0, 0);
    const SDL_Rect bars[] = {{0, 0, surface_->w, t.y0},
                             {0, t.y1, surface_->w, surface_->h - t.y1},
                             {0, t.y0, t.x0, t.y1 - t.y0},
                             {t.x1, t.y0, surface_->w - t.x1, t.y1 - t.y0}};
    for (const SDL_Rect& bar : bars) {
      if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface_, &bar, black);
    }
  }

  void copyInto(const Rect& r, const Rect& shown) {
    const Placement& p = *placement_;
    auto* surface = static_cast<std::uint8_t*>(surface_->pixels);
    const auto rowOf = [&](int y) {
      return reinterpret_cast<std::uint32_t*>(surface +
                                              static_cast<std::ptrdiff_t>(y) * surface_->pitch);
    };
    const auto width = static_cast<std::size_t>(shown.x1 - shown.x0);
    for (int y = shown.y0; y < shown.y1; ++y) {
      std::uint32_t* out = rowOf(y);
      const int source = p.row[static_cast<std::size_t>(y - p.target.y0)];
      const std::uint32_t* in = canvas_.row(source);
      if (p.unscaled()) {
        std::memcpy(out + shown.x0, in + r.x0, static_cast<std::size_t>(r.x1 - r.x0) * 4);
        continue;
      }
      // Scaled up, a picture row shows on two surface rows now and then: the second is a copy.
      if (y > shown.y0 && p.row[static_cast<std::size_t>(y - 1 - p.target.y0)] == source) {
        std::memcpy(out + shown.x0, rowOf(y - 1) + shown.x0, width * 4);
        continue;
      }
      for (int x = shown.x0; x < shown.x1; ++x)
        out[x] = in[p.column[static_cast<std::size_t>(x - p.target.x0)]];
    }
  }

  // Any other surface format: SDL converts (and scales) the rectangle.
  void convertInto(const Rect& r, const Rect& shown) {
    if (!wrapped_) {
      wrapped_ = SDL_CreateRGBSurfaceWithFormatFrom(pixels_.data(), kPictureWidth, kPictureHeight,
                                                    32, kPictureWidth * 4, SDL_PIXELFORMAT_RGB888);
      if (!wrapped_) return;
    }
    SDL_Rect from{r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0};
    SDL_Rect to{shown.x0, shown.y0, shown.x1 - shown.x0, shown.y1 - shown.y0};
    SDL_BlitScaled(wrapped_, &from, surface_, &to);
  }

  SDL_Window* window_;
  bool inPlace_ = false;
  std::vector<std::uint32_t> pixels_;  // the picture, when not drawn on the surface itself
  raster::Canvas canvas_;
  raster::PictureSet pictures_;
  raster::DamageTracker damage_;
  std::vector<Rect> footprints_;  // of the cards of the frame being drawn
  SDL_Surface* surface_ = nullptr;
  int surfaceWidth_ = 0, surfaceHeight_ = 0;
  std::unique_ptr<Placement> placement_;
  SDL_Surface* wrapped_ = nullptr;
  std::vector<SDL_Rect> updates_;
  bool sendWhole_ = true;  // the surface's first frame, bars and all
  std::thread touching_;   // the pages of the first surface, until its first frame
};

}  // namespace

std::unique_ptr<Presenter> makeSurfacePresenter(SDL_Window* window) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (!surface) return nullptr;
  return std::make_unique<SurfacePresenter>(window, surface);
}

}  // namespace rt::sdl
