// The heaviest play scene of the game, set up for measuring: the shipped level with the most
// bricks, twenty balls flying off in different directions, and the gun bat firing.
#pragma once

#include <cstdint>
#include <vector>

#include "gameplay/Counters.h"
#include "gameplay/Field.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/LevelFile.h"
#include "runtime/input.h"

namespace benchplay {

// The shipped levels of "data\Levels.dat"; none when it cannot be read.
std::vector<LevelCells> ShippedLevels();
// The number (from 1) of the level with the most bricks; 0 when there are no levels.
std::int32_t DensestLevelNumber(const std::vector<LevelCells>& levels);

// Every ball slot in flight from the lower field, each in its own direction; a lost ball comes
// back in the next call.
void LaunchTwentyBalls(TField& field);

// The field alone on the headless engine over the generated game folder, playing the scene.
class HeadlessPlay {
 public:
  HeadlessPlay();
  ~HeadlessPlay();
  // The level afresh, the gun bat on, every ball in flight.
  void Restart();
  // One frame of play; the gun fires every eighth.
  void Frame();
  TField& Field() { return field_; }

 private:
  class StillInput final : public rt::InputSource {
   public:
    void nextFrame(rt::InputFrame& frame) override { frame = {}; }
    void resetMouse(float, float) override {}
  };
  StillInput input_;
  LevelCells level_{};
  TFieldTextures textures_;
  TGameCounters counters_;
  TField field_;
  FrameStep step_{1, 1000, false};
  long frames_ = 0;
};

}  // namespace benchplay
