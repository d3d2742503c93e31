// The built game run as players run it, in a real window on the current display with the real
// clock: how soon it shows a picture, how evenly it paces its frames, what it costs idle in the
// main menu, and how much memory it takes.
#pragma once

#include <string>
#include <vector>

#include "bench/figures/frame_records.h"

namespace figures {

struct GameRun {
  bool ran = false;
  double firstPictureMs = 0;        // from exec to the first frame shown (the splash)
  double afterSplashMs = 0;         // from the splash to the next frame shown
  std::vector<FrameRecord> frames;  // as the frame log has them
  double idleCpuPercent = 0;        // of one core, over the menu after the fade-in
  long peakKb = 0;                  // peak resident memory
};

// Runs the game for `seconds` in a fresh user folder holding `settings` (18 bytes, or empty for
// the defaults), then stops it.
GameRun RunGame(const std::string& settings, double seconds);

// Frames per second of a scripted game on the headless engine (nothing is drawn).
double HeadlessFramesPerSecond(long frames);

}  // namespace figures
