#include "tools/assetgen/jpeg.h"

#include <climits>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

namespace assetgen {
namespace {

void appendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> encodeJpeg(cairo_surface_t* surface, int quality) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  // Premultiplied ARGB over black is simply the colour channels.
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      uint8_t* out =
          &rgb[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
      out[0] = static_cast<uint8_t>(row[x] >> 16);
      out[1] = static_cast<uint8_t>(row[x] >> 8);
      out[2] = static_cast<uint8_t>(row[x]);
    }
  }
  std::vector<uint8_t> jpeg;
  if (!stbi_write_jpg_to_func(appendBytes, &jpeg, width, height, 3, rgb.data(), quality)) {
    throw std::runtime_error("cannot encode a JPEG");
  }
  return jpeg;
}

std::vector<uint8_t> encodeBackdrop(cairo_surface_t* surface) {
  return encodeJpeg(surface, 92);  // above 90 the encoder keeps every pixel's colour
}

cairo_surface_t* decodeJpeg(const std::vector<uint8_t>& jpeg) {
  if (jpeg.size() > INT_MAX) return nullptr;
  int width = 0, height = 0, channels = 0;
  unsigned char* rgb = stbi_load_from_memory(jpeg.data(), static_cast<int>(jpeg.size()), &width,
                                             &height, &channels, 3);
  if (!rgb) return nullptr;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const unsigned char* in =
          rgb + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
      row[x] = 0xFF000000u | (uint32_t{in[0]} << 16) | (uint32_t{in[1]} << 8) | in[2];
    }
  }
  stbi_image_free(rgb);
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace assetgen
