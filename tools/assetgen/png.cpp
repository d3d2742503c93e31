#include "tools/assetgen/png.h"

#include <cstring>
#include <stdexcept>

namespace assetgen {
namespace {

cairo_status_t appendToVector(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

struct ReadCursor {
  const std::vector<uint8_t>* bytes;
  size_t position;
};

cairo_status_t readFromVector(void* closure, unsigned char* data, unsigned int length) {
  auto* cursor = static_cast<ReadCursor*>(closure);
  if (length > cursor->bytes->size() - cursor->position) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, cursor->bytes->data() + cursor->position, length);
  cursor->position += length;
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::vector<uint8_t> encodePng(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  std::vector<uint8_t> out;
  if (cairo_surface_write_to_png_stream(surface, appendToVector, &out) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot encode a PNG");
  }
  return out;
}

std::vector<uint8_t> transparentPixelPng() {
  cairo_surface_t* pixel = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  std::vector<uint8_t> png = encodePng(pixel);
  cairo_surface_destroy(pixel);
  return png;
}

cairo_surface_t* decodePng(const std::vector<uint8_t>& png) {
  ReadCursor cursor{&png, 0};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readFromVector, &cursor);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  return surface;
}

}  // namespace assetgen
