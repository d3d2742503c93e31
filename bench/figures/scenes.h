// The game's scenes drawn by the real engine in a window (or full screen) on the current display,
// in a process of their own: the fade-in, the idle menu, a panel sliding, and the two heaviest
// plays (the densest level, twenty balls plain or armoured, the gun bat firing), then the game
// hidden, waiting. With the clock of a script the frames follow each other at once (what drawing
// costs); with the real clock they are paced as a player sees them (what the game and the X
// server spend on them).
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "bench/figures/stats.h"

namespace figures {

struct SceneFigures {
  std::string name;
  bool play = false;             // one of the heaviest plays
  Spread drawMs;                 // building and drawing a frame
  double cards = 0, pixels = 0;  // medians per frame
  // Paced runs only: shares of one core while the scene ran, and the time between frames shown.
  double cpuPercent = 0, xServerCpuPercent = 0;
  Spread periodMs;
  double longestPeriodMs = 0;
};

struct SceneRun {
  bool ran = false;
  std::vector<SceneFigures> scenes;
  double hiddenCpuPercent = 0;  // of one core, while hidden
  long peakKb = 0;              // peak resident memory, after play
};

struct SceneOptions {
  bool fullScreen = false;
  bool paced = false;
  pid_t xServer = 0;  // the display's server, whose CPU is measured beside the game's
};

// Runs the scenes in a new process of this program (so its memory is the game's alone).
SceneRun MeasureScenes(const SceneOptions& options);

// The new process's part: plays the scenes in this process and writes the figures on stdout.
int PlayScenesAndReport(const SceneOptions& options);

// The arguments of this program that make it PlayScenesAndReport; false when argv is not those.
bool ParseSceneArguments(int argc, char** argv, SceneOptions& options);

}  // namespace figures
