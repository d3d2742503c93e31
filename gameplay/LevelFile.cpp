#include "gameplay/LevelFile.h"

namespace {

std::uint32_t Word(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

LevelCells CellsAt(const std::uint8_t* at) {
  LevelCells cells{};
  for (std::size_t i = 0; i < kLevelCells; ++i) {
    cells[i] = static_cast<std::int32_t>(Word(at + 4 * i) ^ kLevelCellMask);
  }
  return cells;
}

}  // namespace

std::optional<std::int32_t> DecodeLevelCount(const std::vector<std::uint8_t>& head) {
  if (head.size() < 4) return std::nullopt;
  return static_cast<std::int32_t>(Word(head.data()));
}

std::optional<LevelCells> DecodeLevel(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kLevelBytes) return std::nullopt;
  return CellsAt(bytes.data());
}

std::vector<std::uint8_t> EncodeLevelFile(const std::vector<LevelCells>& levels) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(4 + levels.size() * kLevelBytes);
  PutWord(bytes, static_cast<std::uint32_t>(levels.size()));
  for (const LevelCells& cells : levels) {
    for (std::int32_t code : cells)
      PutWord(bytes, static_cast<std::uint32_t>(code) ^ kLevelCellMask);
  }
  return bytes;
}

std::optional<std::vector<LevelCells>> DecodeLevelFile(const std::vector<std::uint8_t>& bytes) {
  const auto count = DecodeLevelCount(bytes);
  if (!count || *count < 0) return std::nullopt;
  const std::uint64_t wanted = 4 + static_cast<std::uint64_t>(*count) * kLevelBytes;
  if (bytes.size() != wanted) return std::nullopt;
  std::vector<LevelCells> levels;
  levels.reserve(static_cast<std::size_t>(*count));
  for (std::int32_t level = 1; level <= *count; ++level) {
    levels.push_back(CellsAt(bytes.data() + LevelOffset(level)));
  }
  return levels;
}
