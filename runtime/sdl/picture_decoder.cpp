#include "runtime/sdl/picture_decoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

#include "runtime/image_loader.h"

namespace rt::sdl {

// The decoder is called by name: SDL_image's own detection would try other formats (SVG among
// them) on whatever the contents look like.
bool decodeCompressedPicture(std::span<const std::uint8_t> bytes, Image& image,
                             std::string& error) {
  const ImageKind kind = sniffImage(bytes);
  if (kind != ImageKind::Png && kind != ImageKind::Jpeg) {
    error = "not a PNG or JPEG picture";
    return false;
  }
  // SDL_image sets its readers up on first use, which two threads must not do at once: once,
  // before any decoding.
  static const int readers = IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
  (void)readers;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) {
    error = std::string("cannot read: ") + SDL_GetError();
    return false;
  }
  SDL_Surface* loaded = kind == ImageKind::Png ? IMG_LoadPNG_RW(rw) : IMG_LoadJPG_RW(rw);
  SDL_RWclose(rw);
  if (!loaded) {
    error = std::string("cannot decode: ") + IMG_GetError();
    return false;
  }
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(loaded);
  if (!rgba) {
    error = std::string("cannot convert: ") + SDL_GetError();
    return false;
  }
  image.width = rgba->w;
  image.height = rgba->h;
  const std::size_t row = std::size_t(rgba->w) * 4;
  image.rgba.resize(row * std::size_t(rgba->h));
  SDL_LockSurface(rgba);
  for (int y = 0; y < rgba->h; ++y) {
    std::memcpy(image.rgba.data() + row * y,
                static_cast<const std::uint8_t*>(rgba->pixels) + std::size_t(rgba->pitch) * y, row);
  }
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  return true;
}

}  // namespace rt::sdl
