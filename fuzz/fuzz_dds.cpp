// Any bytes through our DDS reader alone: the header check, the size read from it and the
// decoding agree, and a decoded picture holds exactly its pixels.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "runtime/dds_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (!rt::isDds(bytes)) return 0;
  int width = 0, height = 0;
  std::string error;
  const bool sized = rt::ddsSize(bytes, width, height, error);
  rt::Image image;
  const bool decoded = rt::decodeDds(bytes, image, error);
  if (sized != decoded) __builtin_trap();
  if (!decoded) return 0;
  if (image.width != width || image.height != height || width < 1 || height < 1 ||
      image.rgba.size() != std::size_t(width) * std::size_t(height) * 4 ||
      rt::kDdsHeaderBytes + image.rgba.size() > size) {
    __builtin_trap();
  }
  return 0;
}
