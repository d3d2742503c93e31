#include "runtime/sdl/picture_decoder.h"

#include <SDL.h>
#include <SDL_image.h>

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
  // Straight into the image's bytes, without a converted surface between (a palette is looked
  // up on the way to a surface first).
  if (SDL_ISPIXELFORMAT_INDEXED(loaded->format->format)) {
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    loaded = rgba;
    if (!loaded) {
      error = std::string("cannot convert: ") + SDL_GetError();
      return false;
    }
  }
  image.width = loaded->w;
  image.height = loaded->h;
  image.rgba.resize(std::size_t(loaded->w) * 4 * std::size_t(loaded->h));
  SDL_LockSurface(loaded);
  const int converted =
      SDL_ConvertPixels(loaded->w, loaded->h, loaded->format->format, loaded->pixels, loaded->pitch,
                        SDL_PIXELFORMAT_RGBA32, image.rgba.data(), loaded->w * 4);
  SDL_UnlockSurface(loaded);
  SDL_FreeSurface(loaded);
  if (converted != 0) {
    image = Image{};
    error = std::string("cannot convert: ") + SDL_GetError();
    return false;
  }
  return true;
}

}  // namespace rt::sdl
