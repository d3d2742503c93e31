#include "tools/levels/level_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace levels {

void writeLevelFile(const std::string& path, const std::vector<LevelCells>& levels) {
  const std::vector<std::uint8_t> bytes = EncodeLevelFile(levels);
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

std::vector<LevelCells> readLevelFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(path + ": cannot open");
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
  const std::optional<std::int32_t> count = DecodeLevelCount(bytes);
  if (!count) throw std::runtime_error(path + ": too short for the level count");
  std::optional<std::vector<LevelCells>> levels = DecodeLevelFile(bytes);
  if (!levels)
    throw std::runtime_error(path + ": declares " + std::to_string(*count) + " levels but holds " +
                             std::to_string(bytes.size()) + " bytes");
  return std::move(*levels);
}

std::string levelFileName(size_t number, size_t count, const std::string& extension) {
  const size_t width = std::max<size_t>(2, std::to_string(count).size());
  std::string digits = std::to_string(number);
  digits.insert(0, width - std::min(width, digits.size()), '0');
  return "level" + digits + extension;
}

}  // namespace levels
