// Any bytes through the picture readers: the header check alone (as the headless engine does)
// and full decoding. Nothing may crash or read past the input.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "runtime/image_loader.h"
#include "runtime/sdl/picture_decoder.h"

// SDL keeps its error text in a buffer made at the first error and never freed; make it before
// the run so the leak checker does not count it against an input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  rt::Image image;
  std::string error;
  const std::uint8_t badPng[24] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                   'I',  'H', 'D', 'R', 0,    0,    0,    1,    0, 0, 0, 1};
  rt::loadImage(badPng, &rt::sdl::decodeCompressedPicture, image, error);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  rt::Image image;
  std::string error;
  rt::loadImage(bytes, nullptr, image, error);
  if (rt::loadImage(bytes, &rt::sdl::decodeCompressedPicture, image, error) &&
      image.rgba.size() != std::size_t(image.width) * std::size_t(image.height) * 4) {
    __builtin_trap();  // a decoded picture always holds exactly its pixels
  }
  return 0;
}
