#include "tests/assets/picture_decode.h"

#include <cairo.h>

#include <cstring>

namespace asset_checks {
namespace {

struct Cursor {
  const Bytes* bytes;
  size_t at;
};

cairo_status_t readChunk(void* closure, unsigned char* data, unsigned int length) {
  auto* cursor = static_cast<Cursor*>(closure);
  if (length > cursor->bytes->size() - cursor->at) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, cursor->bytes->data() + cursor->at, length);
  cursor->at += length;
  return CAIRO_STATUS_SUCCESS;
}

std::optional<std::pair<int, int>> pngSize(const Bytes& bytes) {
  Cursor cursor{&bytes, 0};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readChunk, &cursor);
  std::optional<std::pair<int, int>> size;
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS)
    size = {cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)};
  cairo_surface_destroy(surface);
  return size;
}

// Walks the JPEG markers to the first start-of-frame, which holds height and width.
std::optional<std::pair<int, int>> jpegSize(const Bytes& b) {
  size_t at = 2;
  while (at + 9 < b.size() && b[at] == 0xFF) {
    const uint8_t marker = b[at + 1];
    const size_t length = static_cast<size_t>(b[at + 2]) << 8 | b[at + 3];
    const bool startOfFrame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame)
      return std::pair<int, int>{b[at + 7] << 8 | b[at + 8], b[at + 5] << 8 | b[at + 6]};
    at += 2 + length;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::pair<int, int>> pictureSize(const Bytes& bytes) {
  static const uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPng, 8) == 0) return pngSize(bytes);
  if (bytes.size() >= 4 && bytes[0] == 0xFF && bytes[1] == 0xD8) return jpegSize(bytes);
  // DDS: "DDS ", then a 124-byte header whose height and width follow its size and flags.
  // The pixels (32 bits each, uncompressed) must all be there.
  if (bytes.size() >= 128 && std::memcmp(bytes.data(), "DDS ", 4) == 0 && u32At(bytes, 4) == 124) {
    const uint64_t width = u32At(bytes, 16), height = u32At(bytes, 12);
    if (bytes.size() - 128 < width * height * 4) return std::nullopt;
    return std::pair<int, int>{static_cast<int>(width), static_cast<int>(height)};
  }
  return std::nullopt;
}

}  // namespace asset_checks
