// The compiled level file: a 32-bit little-endian level count N, then N levels of 20 x 20 cells,
// each a 32-bit little-endian word holding the cell code XOR 0x00C6C6C6, row 1 first.
#pragma once

#include <string>
#include <vector>

#include "tools/levels/level_grid.h"

namespace levels {

// Writes the file through a temporary beside it, so a failed run leaves the old file whole.
// Throws std::runtime_error when it cannot be written.
void writeLevelFile(const std::string& path, const std::vector<Grid>& levels);

// Throws std::runtime_error naming the file when it is missing, or when its size does not match
// the count it declares.
std::vector<Grid> readLevelFile(const std::string& path);

// "level07.txt" for level 7 of `count`: two digits at least, more when the set is larger.
std::string levelFileName(size_t number, size_t count, const std::string& extension);

}  // namespace levels
