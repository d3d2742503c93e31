#include "runtime/wave_bytes.h"

#include <algorithm>
#include <cstring>

#include "platform/byte_reader.h"

namespace rt {
namespace {

constexpr std::size_t kChunkHeader = 8;     // its four-letter name and its 32-bit length
constexpr std::uint32_t kFormatBytes = 16;  // the PCM format: tag, channels, rate, ...
constexpr std::size_t kRateInFormat = 4;
constexpr std::uint32_t kLowestRate = 8000;  // telephone sound; nobody makes less

bool named(std::span<const std::uint8_t> bytes, std::size_t at, const char* name) {
  return std::memcmp(bytes.data() + at, name, 4) == 0;
}

}  // namespace

bool looksLikeWave(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 12 && named(bytes, 0, "RIFF") && named(bytes, 8, "WAVE");
}

std::string waveProblem(std::span<const std::uint8_t> bytes) {
  if (!looksLikeWave(bytes)) return "not a RIFF WAVE file";
  bool format = false;
  for (std::size_t at = 12;;) {
    if (bytes.size() - at < kChunkHeader) return format ? "no samples" : "no format chunk";
    const std::size_t body = at + kChunkHeader;
    const std::uint32_t length = readLe32(bytes, at + 4);
    if (length > bytes.size() - body) return "a chunk runs past the end of the file";
    if (named(bytes, at, "data")) return format ? "" : "samples before the format chunk";
    if (named(bytes, at, "fmt ")) {
      if (length < kFormatBytes) return "format chunk too short";
      if (readLe32(bytes, body + kRateInFormat) < kLowestRate) return "sample rate below 8000 Hz";
      format = true;
    }
    // Chunks keep even lengths; the last one's padding byte may be missing.
    at = std::min(bytes.size(), body + length + (length & 1));
  }
}

}  // namespace rt
