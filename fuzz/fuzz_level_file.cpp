// Any bytes as the level file, read the two ways it is read: whole by the level compiler (a file
// it accepts encodes back to the same bytes, and each level turns into its text), and as the game
// reads it, the count first and then one level at a time from its offset, cut short where the
// file ends. A level the compiler writes out as text reads back as the same level.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gameplay/LevelFile.h"
#include "tools/levels/level_text.h"

namespace {

// The game asks for levels 1 and up; a few suffice to reach every offset of a small input.
constexpr std::int32_t kLevelsTried = 4;

std::vector<std::uint8_t> ReadAt(const std::vector<std::uint8_t>& file, std::uint64_t offset,
                                 std::uint64_t count) {
  if (offset >= file.size()) return {};
  const auto begin = file.begin() + static_cast<std::ptrdiff_t>(offset);
  return {begin, begin + static_cast<std::ptrdiff_t>(
                             std::min<std::uint64_t>(count, file.size() - offset))};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> file(data, data + size);

  if (const auto levels = DecodeLevelFile(file)) {
    if (EncodeLevelFile(*levels) != file) __builtin_trap();
    for (const LevelCells& cells : *levels) {
      const std::string text = levels::formatLevel("level", cells);
      if (std::count(text.begin(), text.end(), '\n') != kLevelRows + 1) __builtin_trap();
      // A playable level reads back as itself, codes without a character as empty cells.
      const levels::ParsedLevel parsed = levels::parseLevel("level", text);
      if (parsed.grid.has_value() != parsed.errors.empty()) __builtin_trap();
      for (std::size_t i = 0; parsed.grid && i < kLevelCells; ++i) {
        const std::int32_t shown = cells[i] >= 0 && cells[i] <= 10 ? cells[i] : 0;
        if ((*parsed.grid)[i] != shown) __builtin_trap();
      }
    }
  }

  const auto count = DecodeLevelCount(ReadAt(file, 0, 4));
  if (!count || *count <= 0) return 0;
  for (std::int32_t level = 1; level <= std::min(*count, kLevelsTried); ++level) {
    const std::uint64_t offset = LevelOffset(level);
    const auto cells = DecodeLevel(ReadAt(file, offset, kLevelBytes));
    if (cells.has_value() != (offset + kLevelBytes <= size)) __builtin_trap();
  }
  return 0;
}
