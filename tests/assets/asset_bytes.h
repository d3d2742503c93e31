// Reading the generated files in the asset checks: whole files and little-endian fields.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace asset_checks {

using Bytes = std::vector<uint8_t>;

inline std::filesystem::path gameDir() {
  return GLINT_GAME_DIR;
}

inline Bytes readBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::string readText(const std::filesystem::path& path) {
  const Bytes bytes = readBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// Callers check the size first.
inline uint32_t u16At(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8;
}
inline int16_t s16At(const Bytes& b, size_t at) {
  return static_cast<int16_t>(u16At(b, at));
}
inline uint32_t u32At(const Bytes& b, size_t at) {
  return u16At(b, at) | u16At(b, at + 2) << 16;
}

}  // namespace asset_checks
