// Pictures of the levels as the player sees them, drawn from the generated game pictures.
#pragma once

#include <string>
#include <vector>

#include "tools/levels/level_grid.h"

namespace levels {

// Writes outDir/levelNN.png for each level (NN from 01): the play background, the side walls,
// the bricks at their cell centres, the status bar and the bat at its starting height. Level N
// is shown in level style (N - 1) % 3 + 1, so the set shows all three looks. A picture missing
// from gameDir is reported on stderr and left out. Throws std::runtime_error when a PNG cannot
// be written.
void renderLevels(const std::vector<LevelCells>& levels, const std::string& gameDir,
                  const std::string& outDir);

}  // namespace levels
