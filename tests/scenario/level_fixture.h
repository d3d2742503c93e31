// A game folder of its own for a scenario: every generated file of the built game, but the
// levels the test writes.
#pragma once

#include <string>
#include <vector>

#include "gameplay/LevelFile.h"

namespace testing_support {

// Rows from the top: '.' empty, '1'..'9' those codes, '#' code 10; rows not given are empty.
LevelCells Level(const std::vector<std::string>& rows);

// A hard wall down the middle keeps a ball launched from the bat's start on the right; one brick
// waits on the left.
LevelCells WalledLevel();

// Fills `dir` with links to the built game's files and writes data/Levels.dat from `levels`
// (or the raw `levelFile` bytes; nothing at all when both are empty). Returns `dir`.
std::string GameDirWithLevels(const std::string& dir, const std::vector<LevelCells>& levels,
                              const std::string& levelFile = "");

}  // namespace testing_support
