// The game's scenes drawn by the real engine in a window on the current display, with the clock
// of a script (no pacing): the fade-in, the idle menu, a panel sliding, and the heaviest play (the
// densest level, twenty balls, the gun bat firing). Then the game hidden, waiting.
#pragma once

#include <string>
#include <vector>

#include "bench/figures/stats.h"

namespace figures {

struct SceneFigures {
  std::string name;
  Spread drawMs;                 // building and drawing a frame
  double cards = 0, pixels = 0;  // medians per frame
  double cpuPercent = 0;         // of one core, at one frame every 13 ms
};

struct SceneRun {
  std::vector<SceneFigures> scenes;
  double hiddenCpuPercent = 0;  // of one core, while hidden
  long playPeakKb = 0;          // peak resident memory after play
};

SceneRun RunScenes();

}  // namespace figures
