// The readable level format: a title line, then 20 rows of 20 characters: '.' an empty cell,
// '1'-'9' the cell codes 1-9, '#' code 10 (the indestructible brick).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/levels/level_grid.h"

namespace levels {

struct ParsedLevel {
  std::optional<LevelCells> grid;   // set only when the text is a valid, playable level
  std::vector<std::string> errors;  // "FILE:ROW:COL: reason"; ROW 0 names the level as a whole
};

// Reads and checks one level text. `fileName` only prefixes the messages. Besides the layout,
// a level must keep its bricks off row 1 (status bar), rows 17-20 (the bat's zone) and columns
// 1 and 20 (behind the side walls), hold a brick that counts, and leave every counted brick,
// and every cell a spawner fills, reachable by the ball past the indestructible bricks.
ParsedLevel parseLevel(const std::string& fileName, const std::string& text);

// The text of a level; codes outside 0-10, which have no character, are written as '.'.
std::string formatLevel(const std::string& title, const LevelCells& grid);

}  // namespace levels
