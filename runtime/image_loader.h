// Pictures from bytes: PNG and JPEG through a decoder the renderer hands in (SDL2_image's, in
// runtime/sdl), and DDS holding uncompressed 32-bit BGRA or RGBA. The kind is picked by the first
// bytes, never by the file name.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "runtime/backend.h"

namespace rt {

enum class ImageKind { Unknown, Png, Jpeg, Dds };

// Pictures larger than this on either side are refused before any decoding.
constexpr int kMaxImageSide = 8192;

ImageKind sniffImage(std::span<const std::uint8_t> bytes);

// Width and height read from the header alone (PNG, JPEG and DDS); false when the header is
// broken or the size is outside 1..kMaxImageSide.
bool imageSize(std::span<const std::uint8_t> bytes, int& width, int& height, std::string& error);

// Decodes a picture, PNG and JPEG with `compressed`. Without a decoder only the header is
// checked and the image carries its size without pixels. On failure returns false and says why
// in error.
bool loadImage(std::span<const std::uint8_t> bytes, PictureDecoder compressed, Image& image,
               std::string& error);

}  // namespace rt
