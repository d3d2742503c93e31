#include "tools/levels/level_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace levels {
namespace {

constexpr uint32_t kCellMask = 0x00C6C6C6;
constexpr size_t kLevelBytes = 4 * kRows * kColumns;

void putU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t getU32(const std::vector<uint8_t>& in, size_t at) {
  return static_cast<uint32_t>(in[at]) | static_cast<uint32_t>(in[at + 1]) << 8 |
         static_cast<uint32_t>(in[at + 2]) << 16 | static_cast<uint32_t>(in[at + 3]) << 24;
}

}  // namespace

void writeLevelFile(const std::string& path, const std::vector<Grid>& levels) {
  std::vector<uint8_t> bytes;
  putU32(bytes, static_cast<uint32_t>(levels.size()));
  for (const Grid& grid : levels)
    for (int32_t code : grid) putU32(bytes, static_cast<uint32_t>(code) ^ kCellMask);

  const std::filesystem::path target(path);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path());
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file) {
      std::remove(temporary.c_str());
      throw std::runtime_error("cannot write " + temporary);
    }
  }
  std::filesystem::rename(temporary, target);
}

std::vector<Grid> readLevelFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(path + ": cannot open");
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  if (bytes.size() < 4) throw std::runtime_error(path + ": too short for the level count");
  const uint32_t count = getU32(bytes, 0);
  if ((bytes.size() - 4) / kLevelBytes != count || (bytes.size() - 4) % kLevelBytes != 0)
    throw std::runtime_error(path + ": declares " + std::to_string(count) + " levels but holds " +
                             std::to_string(bytes.size()) + " bytes");
  std::vector<Grid> levels(count);
  for (size_t level = 0; level < count; ++level)
    for (size_t i = 0; i < levels[level].size(); ++i)
      levels[level][i] =
          static_cast<int32_t>(getU32(bytes, 4 + level * kLevelBytes + 4 * i) ^ kCellMask);
  return levels;
}

std::string levelFileName(size_t number, size_t count, const std::string& extension) {
  const size_t width = std::max<size_t>(2, std::to_string(count).size());
  std::string digits = std::to_string(number);
  digits.insert(0, width - std::min(width, digits.size()), '0');
  return "level" + digits + extension;
}

}  // namespace levels
