// The heaviest play scenes of the game, set up for measuring: the shipped level with the most
// bricks, twenty balls flying off in different directions (plain, or armoured with their flame
// trails), and the gun bat firing. The scenes are kept as they were set up: no capsule is ever
// caught (a catch would change the balls or the bat) and the bricks are built again now and then.
#pragma once

#include <cstdint>
#include <vector>

#include "gameplay/Counters.h"
#include "gameplay/Field.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/LevelFile.h"
#include "runtime/input.h"

namespace benchplay {

enum class Balls { Plain, Armoured };

// Frames of play between two rebuilds of the level's bricks (the balls clear them fast).
constexpr long kFramesPerRebuild = 150;
// The seed of the game's generator for every measured scene.
constexpr std::uint64_t kSeed = 3;

// The shipped levels of "data\Levels.dat"; none when it cannot be read.
std::vector<LevelCells> ShippedLevels();
// The number (from 1) of the level with the most bricks; 0 when there are no levels.
std::int32_t DensestLevelNumber(const std::vector<LevelCells>& levels);

// Every ball slot in flight from the lower field, each in its own direction; a lost ball comes
// back in the next call. Armoured balls stay armoured for good.
void LaunchTwentyBalls(TField& field, Balls balls);
// Every brick of the level afresh, in the given style (1..3).
void RebuildBricks(TField& field, const LevelCells& cells, int style);
// Takes every falling capsule away before it can be caught.
void RemoveCapsules(TField& field);

// The field alone on the headless engine over the generated game folder, playing the scene.
class HeadlessPlay {
 public:
  explicit HeadlessPlay(Balls balls = Balls::Plain);
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
  Balls balls_;
  LevelCells level_{};
  TFieldTextures textures_;
  TGameCounters counters_;
  TField field_;
  FrameStep step_{1, 1000, false};
  long frames_ = 0;
};

}  // namespace benchplay
