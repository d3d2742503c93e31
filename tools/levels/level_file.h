// Reading and writing the compiled level file "Levels.dat" with the game's own codec
// (gameplay/LevelFile.h), so the tool and the game cannot disagree about the format.
#pragma once

#include <string>
#include <vector>

#include "tools/levels/level_grid.h"

namespace levels {

// Writes the file through a temporary beside it, so a failed run leaves the old file whole.
// Throws std::runtime_error when it cannot be written.
void writeLevelFile(const std::string& path, const std::vector<LevelCells>& levels);

// Throws std::runtime_error naming the file when it is missing, or when its size does not match
// the count it declares.
std::vector<LevelCells> readLevelFile(const std::string& path);

// "level07.txt" for level 7 of `count`: two digits at least, more when the set is larger.
std::string levelFileName(size_t number, size_t count, const std::string& extension);

}  // namespace levels
