// One level as the level tool sees it: the game's own LevelCells (20 rows of 20 cell codes, row 1
// at the top, stored row after row), addressed by row and column.
#pragma once

#include <cstdint>

#include "gameplay/LevelFile.h"

namespace levels {

// Cell codes: 0 empty, 1-9 bricks that count for completion, 10 the indestructible brick.
constexpr std::int32_t kIndestructible = 10;

// Rows and columns count from 1, as the game numbers them.
inline std::int32_t& cell(LevelCells& grid, int row, int column) {
  return grid[static_cast<std::size_t>((row - 1) * kLevelColumns + (column - 1))];
}
inline std::int32_t cell(const LevelCells& grid, int row, int column) {
  return grid[static_cast<std::size_t>((row - 1) * kLevelColumns + (column - 1))];
}

}  // namespace levels
