// Little- and big-endian integers read from a byte span with the bounds checked by the caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace rt {

inline std::uint32_t readLe32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}

inline std::int16_t readLe16s(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int16_t>(std::uint16_t(b[at]) | std::uint16_t(b[at + 1]) << 8);
}

inline std::uint32_t readBe32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 |
         std::uint32_t(b[at + 2]) << 8 | std::uint32_t(b[at + 3]);
}

inline std::uint16_t readBe16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(std::uint16_t(b[at]) << 8 | b[at + 1]);
}

}  // namespace rt
