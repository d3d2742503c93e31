// The grid of the level being played: 20 x 20 cell codes, rows and columns counted from 1, row 1
// at the top. The bricks keep it current (a destroyed brick clears its cell, a sliding or spawned
// brick takes one); the ball reads it for the neighbours of the brick it touches.
#pragma once

#include <cstdint>

#include "gameplay/LevelFile.h"

class TLevelGrid {
 public:
  // Cells outside the grid count as taken, so nothing slides or spawns there and a brick at the
  // edge behaves as if walled in.
  bool Taken(int row, int column) const { return !Inside(row, column) || At(row, column) != 0; }
  bool Free(int row, int column) const { return !Taken(row, column); }
  // A cell inside the grid with something in it. The ball meets the grid's edge as open: a
  // brick at the edge takes a corner contact there as a corner, not as a side.
  bool Occupied(int row, int column) const { return Inside(row, column) && At(row, column) != 0; }
  // The code of a cell inside the grid.
  std::int32_t At(int row, int column) const { return Cells[Index(row, column)]; }
  // Writes a cell inside the grid; a cell outside is left alone.
  void Set(int row, int column, std::int32_t code) {
    if (Inside(row, column)) Cells[Index(row, column)] = code;
  }
  static bool Inside(int row, int column) {
    return row >= 1 && row <= kLevelRows && column >= 1 && column <= kLevelColumns;
  }

  LevelCells Cells{};

 private:
  static std::size_t Index(int row, int column) {
    return static_cast<std::size_t>((row - 1) * kLevelColumns + (column - 1));
  }
};
