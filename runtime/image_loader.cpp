#include "runtime/image_loader.h"

#include <cstring>

#include "platform/byte_reader.h"
#include "runtime/dds_image.h"

namespace rt {
namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool sizeInRange(std::uint32_t w, std::uint32_t h) {
  return w >= 1 && h >= 1 && w <= kMaxImageSide && h <= kMaxImageSide;
}

bool pngSize(std::span<const std::uint8_t> b, int& width, int& height, std::string& error) {
  if (b.size() < 24 || std::memcmp(b.data() + 12, "IHDR", 4) != 0) {
    error = "PNG header cut short";
    return false;
  }
  const std::uint32_t w = readBe32(b, 16), h = readBe32(b, 20);
  if (!sizeInRange(w, h)) {
    error = "PNG picture size out of range";
    return false;
  }
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

// Walks the JPEG markers up to the frame header, which holds the size.
bool jpegSize(std::span<const std::uint8_t> b, int& width, int& height, std::string& error) {
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) break;
    const std::uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    const std::size_t length = readBe16(b, at + 2);
    if (length < 2) break;
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (at + 9 > b.size()) break;
      const std::uint32_t h = readBe16(b, at + 5), w = readBe16(b, at + 7);
      if (!sizeInRange(w, h)) {
        error = "JPEG picture size out of range";
        return false;
      }
      width = static_cast<int>(w);
      height = static_cast<int>(h);
      return true;
    }
    at += 2 + length;
  }
  error = "JPEG frame header missing or cut short";
  return false;
}

}  // namespace

ImageKind sniffImage(std::span<const std::uint8_t> b) {
  if (b.size() >= 8 && std::memcmp(b.data(), kPngSignature, 8) == 0) return ImageKind::Png;
  if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return ImageKind::Jpeg;
  if (isDds(b)) return ImageKind::Dds;
  return ImageKind::Unknown;
}

bool imageSize(std::span<const std::uint8_t> bytes, int& width, int& height, std::string& error) {
  switch (sniffImage(bytes)) {
    case ImageKind::Png:
      return pngSize(bytes, width, height, error);
    case ImageKind::Jpeg:
      return jpegSize(bytes, width, height, error);
    case ImageKind::Dds:
      return ddsSize(bytes, width, height, error);
    case ImageKind::Unknown:
      break;
  }
  error = "not a PNG, JPEG or DDS picture";
  return false;
}

bool loadImage(std::span<const std::uint8_t> bytes, PictureDecoder compressed, Image& image,
               std::string& error) {
  image = Image{};
  int width = 0, height = 0;
  if (!imageSize(bytes, width, height, error)) return false;
  if (compressed == nullptr) {
    image.width = width;
    image.height = height;
    return true;
  }
  const ImageKind kind = sniffImage(bytes);
  if (kind == ImageKind::Dds) return decodeDds(bytes, image, error);
  if (bytes.size() > std::size_t(INT32_MAX)) {
    error = "picture too large";
    return false;
  }
  if (!compressed(bytes, image, error)) return false;
  // The header said one size and the decoder found another: trust neither.
  if (image.width != width || image.height != height) {
    image = Image{};
    error = "picture size differs from its header";
    return false;
  }
  return true;
}

}  // namespace rt
