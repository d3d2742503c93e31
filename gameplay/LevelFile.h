// The level file "data\Levels.dat": a 32-bit little-endian level count N (stored as it is), then
// N levels of 20 x 20 cells, row-major, row 1 first, each cell a 32-bit little-endian word holding
// the cell code XOR 0x00C6C6C6. No other header, checksum or trailer. The game, the level
// compiler and the fuzzer share this codec.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int kLevelRows = 20;
inline constexpr int kLevelColumns = 20;
inline constexpr std::size_t kLevelCells = kLevelRows * kLevelColumns;
inline constexpr std::size_t kLevelBytes = 4 * kLevelCells;
inline constexpr std::uint32_t kLevelCellMask = 0x00C6C6C6;

// Cell codes of one level, row-major, row 1 first.
using LevelCells = std::array<std::int32_t, kLevelCells>;

// Byte offset of level `level` (from 1) in the file.
inline std::uint64_t LevelOffset(std::int32_t level) {
  return 4 + static_cast<std::uint64_t>(level - 1) * kLevelBytes;
}

// The level count from the file's first four bytes; nothing when fewer are given.
std::optional<std::int32_t> DecodeLevelCount(const std::vector<std::uint8_t>& head);
// One level from its 1600 bytes; nothing when fewer are given.
std::optional<LevelCells> DecodeLevel(const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> EncodeLevelFile(const std::vector<LevelCells>& levels);
// Every level of a whole file; nothing when its size does not match the count it declares.
std::optional<std::vector<LevelCells>> DecodeLevelFile(const std::vector<std::uint8_t>& bytes);
