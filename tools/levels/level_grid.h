// One level of the field: 20 rows of 20 cell codes, row 1 at the top, stored row after row.
#pragma once

#include <array>
#include <cstdint>

namespace levels {

constexpr int kRows = 20;
constexpr int kColumns = 20;
// Cell codes: 0 empty, 1-9 bricks that count for completion, 10 the indestructible brick.
constexpr int32_t kIndestructible = 10;

using Grid = std::array<int32_t, kRows * kColumns>;

// Rows and columns count from 1, as the game numbers them.
inline int32_t& cell(Grid& grid, int row, int column) {
  return grid[static_cast<size_t>((row - 1) * kColumns + (column - 1))];
}
inline int32_t cell(const Grid& grid, int row, int column) {
  return grid[static_cast<size_t>((row - 1) * kColumns + (column - 1))];
}

}  // namespace levels
