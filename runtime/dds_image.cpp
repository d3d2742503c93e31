#include "runtime/dds_image.h"

#include <array>
#include <cstring>

#include "platform/byte_reader.h"
#include "runtime/image_loader.h"

namespace rt {
namespace {

constexpr std::uint32_t kPixelFormatRgb = 0x40;
constexpr std::uint32_t kPixelFormatAlpha = 0x1;
constexpr std::uint32_t kPixelFormatFourCc = 0x4;

// Header fields, as offsets from the start of the file (after the 4-byte magic).
constexpr std::size_t kHeaderSize = 4, kHeight = 12, kWidth = 16, kFormatSize = 76,
                      kFormatFlags = 80, kBitCount = 88, kRedMask = 92;

// Which byte of a little-endian pixel holds a channel, or -1 when the mask is not one byte.
int byteOfMask(std::uint32_t mask) {
  for (int i = 0; i < 4; ++i) {
    if (mask == 0xFFu << (8 * i)) return i;
  }
  return -1;
}

struct Layout {
  int width = 0, height = 0;
  std::array<int, 4> byteOf{};  // r, g, b, a; a is -1 when the picture has no alpha
};

bool readLayout(std::span<const std::uint8_t> bytes, Layout& layout, std::string& error) {
  if (bytes.size() < kDdsHeaderBytes || !isDds(bytes)) {
    error = "not a DDS picture or header cut short";
    return false;
  }
  if (readLe32(bytes, kHeaderSize) != 124 || readLe32(bytes, kFormatSize) != 32) {
    error = "DDS header has the wrong size fields";
    return false;
  }
  const std::uint32_t flags = readLe32(bytes, kFormatFlags);
  if ((flags & kPixelFormatFourCc) || !(flags & kPixelFormatRgb) ||
      readLe32(bytes, kBitCount) != 32) {
    error = "DDS picture is not uncompressed 32-bit colour";
    return false;
  }
  const bool hasAlpha = (flags & kPixelFormatAlpha) != 0;
  for (int c = 0; c < 4; ++c) {
    const std::uint32_t mask = readLe32(bytes, kRedMask + 4 * c);
    layout.byteOf[c] = (c == 3 && !hasAlpha) ? -1 : byteOfMask(mask);
    if (layout.byteOf[c] < 0 && !(c == 3 && !hasAlpha)) {
      error = "DDS channel masks are not whole bytes";
      return false;
    }
  }
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) {
      if (layout.byteOf[a] >= 0 && layout.byteOf[a] == layout.byteOf[b]) {
        error = "DDS channel masks overlap";
        return false;
      }
    }
  }
  const std::uint32_t w = readLe32(bytes, kWidth), h = readLe32(bytes, kHeight);
  if (w < 1 || h < 1 || w > kMaxImageSide || h > kMaxImageSide) {
    error = "DDS picture size out of range";
    return false;
  }
  if ((bytes.size() - kDdsHeaderBytes) / 4 / w < h) {
    error = "DDS pixels cut short";
    return false;
  }
  layout.width = static_cast<int>(w);
  layout.height = static_cast<int>(h);
  return true;
}

}  // namespace

bool isDds(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && std::memcmp(bytes.data(), "DDS ", 4) == 0;
}

bool ddsSize(std::span<const std::uint8_t> bytes, int& width, int& height, std::string& error) {
  Layout layout;
  if (!readLayout(bytes, layout, error)) return false;
  width = layout.width;
  height = layout.height;
  return true;
}

bool decodeDds(std::span<const std::uint8_t> bytes, Image& image, std::string& error) {
  Layout layout;
  if (!readLayout(bytes, layout, error)) return false;
  const std::size_t count = std::size_t(layout.width) * std::size_t(layout.height);
  image.width = layout.width;
  image.height = layout.height;
  image.rgba.resize(count * 4);
  const std::uint8_t* in = bytes.data() + kDdsHeaderBytes;
  std::uint8_t* out = image.rgba.data();
  for (std::size_t i = 0; i < count; ++i, in += 4, out += 4) {
    for (int c = 0; c < 4; ++c) out[c] = layout.byteOf[c] < 0 ? 255 : in[layout.byteOf[c]];
  }
  return true;
}

}  // namespace rt
