// PNG and JPEG pixels through SDL2_image: the picture decoder of the real renderer.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "runtime/backend.h"

namespace rt::sdl {

// A PictureDecoder (runtime/image_loader.h): RGBA pixels of a PNG or JPEG picture.
bool decodeCompressedPicture(std::span<const std::uint8_t> bytes, Image& image, std::string& error);

}  // namespace rt::sdl
