#include "tests/e2e/screen_capture.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>

namespace e2e {
namespace {

// The dump's header: 25 big-endian 32-bit fields, of which these are read.
enum HeaderField {
  kHeaderSize = 0,
  kFormat = 2,
  kWidth = 4,
  kHeight = 5,
  kByteOrder = 7,
  kBitsPerPixel = 11,
  kBytesPerLine = 12,
  kRedMask = 14,
  kGreenMask = 15,
  kBlueMask = 16,
  kColourCount = 19,
  kFields = 25,
};
constexpr std::uint32_t kZPixmap = 2;
constexpr std::size_t kColourEntry = 12;

std::uint32_t BigEndian32(const std::vector<unsigned char>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) << 24 |
         static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

// The 8-bit value of the channel a mask selects in a pixel.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const std::uint32_t value = (pixel & mask) >> std::countr_zero(mask);
  const std::uint32_t top = mask >> std::countr_zero(mask);
  return static_cast<std::uint8_t>(value * 255 / top);
}

}  // namespace

Shot DecodeWindowDump(const std::vector<unsigned char>& bytes, std::string& error) {
  if (bytes.size() < kFields * 4) {
    error = "shorter than a window dump's header";
    return {};
  }
  std::array<std::uint32_t, kFields> h{};
  for (std::size_t i = 0; i < kFields; ++i) h[i] = BigEndian32(bytes, i * 4);
  const std::uint64_t width = h[kWidth], height = h[kHeight], line = h[kBytesPerLine];
  const std::uint32_t bits = h[kBitsPerPixel];
  const std::uint64_t start = h[kHeaderSize] + std::uint64_t{h[kColourCount]} * kColourEntry;
  if (h[kFormat] != kZPixmap || (bits != 24 && bits != 32) || width == 0 || height == 0 ||
      width > 16384 || height > 16384 || line < width * bits / 8 ||
      start + line * height > bytes.size()) {
    error = "not a 24- or 32-bit window dump that the file holds whole";
    return {};
  }
  const std::size_t pixelBytes = bits / 8;
  const bool mostSignificantFirst = h[kByteOrder] != 0;
  std::vector<std::uint8_t> rgba;
  rgba.reserve(width * height * 4);
  for (std::uint64_t y = 0; y < height; ++y) {
    for (std::uint64_t x = 0; x < width; ++x) {
      const std::size_t at = start + y * line + x * pixelBytes;
      std::uint32_t pixel = 0;
      for (std::size_t b = 0; b < pixelBytes; ++b) {
        const std::uint32_t byte = bytes[at + b];
        pixel |= mostSignificantFirst ? byte << (8 * (pixelBytes - 1 - b)) : byte << (8 * b);
      }
      rgba.insert(rgba.end(), {Channel(pixel, h[kRedMask]), Channel(pixel, h[kGreenMask]),
                               Channel(pixel, h[kBlueMask]), 255});
    }
  }
  return Shot::FromRgba(static_cast<int>(width), static_cast<int>(height), std::move(rgba));
}

Shot CaptureScreen(const std::string& display, std::string& error) {
  const std::string command = "xwd -root -silent -display " + display;
  FILE* dump = popen(command.c_str(), "r");
  if (!dump) {
    error = "cannot run xwd";
    return {};
  }
  std::vector<unsigned char> bytes;
  unsigned char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, dump)) > 0;)
    bytes.insert(bytes.end(), buffer, buffer + n);
  if (pclose(dump) != 0) {
    error = command + " failed (is x11-apps installed?)";
    return {};
  }
  return DecodeWindowDump(bytes, error);
}

}  // namespace e2e
