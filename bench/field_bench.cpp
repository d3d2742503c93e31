// The game logic of one frame of play on the headless engine: the densest shipped level with
// twenty balls in flight (the bat, the balls and their contacts, the bricks, enemies and
// capsules; drawing is not counted).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "engine/impact.h"
#include "gameplay/Field.h"
#include "gameplay/LevelFile.h"
#include "gameplay/Random.h"
#include "runtime/files.h"
#include "runtime/runtime.h"

namespace {

class StillInput final : public rt::InputSource {
 public:
  void nextFrame(rt::InputFrame& frame) override { frame = {}; }
  void resetMouse(float, float) override {}
};

// The shipped level with the most bricks.
LevelCells DensestLevel() {
  const auto bytes = files::readAll(files::gamePath("data\\Levels.dat"));
  const auto levels = bytes ? DecodeLevelFile(*bytes) : std::nullopt;
  if (!levels || levels->empty()) return {};
  const auto bricks = [](const LevelCells& cells) {
    return std::count_if(cells.begin(), cells.end(), [](std::int32_t c) { return c != 0; });
  };
  return *std::max_element(
      levels->begin(), levels->end(),
      [&](const LevelCells& a, const LevelCells& b) { return bricks(a) < bricks(b); });
}

class PlayBench {
 public:
  PlayBench() {
    files::setGameDir(GLINT_GAME_DIR);
    rt::setBackend(rt::makeHeadlessBackend());
    rt::setClock(std::make_unique<rt::VirtualClock>());
    rt::setInput(input_);
    i3ImpactOpen(1, 0);
    const std::int32_t settings[6] = {0, 0, 15360000, 0, 0, -1};
    i3ImpactSettings(settings);
    SeedRandom(3);
    level_ = DensestLevel();
    textures_.Load();
    field_.Create(textures_, counters_);
    Restart();
  }
  ~PlayBench() { i3ImpactClose(); }

  // The level afresh with twenty balls flying off in different directions.
  void Restart() {
    field_.ClearBricks();
    field_.Grid.Cells = level_;
    field_.BuildBricks(1);
    field_.StartLife();
    field_.PlaceForLevel();
    field_.EntrySlide = false;
    counters_.SetLives(3);
    counters_.TimeLeft = 290;
    for (std::size_t i = 0; i < field_.Balls.size(); ++i) {
      TBubble& ball = field_.Balls[i];
      ball.Active = ball.Launched = true;
      ball.X = -9.5L + i;
      ball.Y = -6;
      ball.Angle = NormalAngle(0.3L + 0.29L * i);
      ball.Speed = 0.2L;
      ball.Show();
    }
  }

  void Frame() {
    step_.tick += 13;
    field_.Play(step_, BatControls{});
    field_.UpdateObjects(step_);
  }

 private:
  StillInput input_;
  LevelCells level_{};
  TFieldTextures textures_;
  TGameCounters counters_;
  TField field_;
  FrameStep step_{1, 1000, false};
};

void BM_PlayFrameOfTheDensestLevelWithTwentyBalls(benchmark::State& state) {
  PlayBench bench;
  int frame = 0;
  for (auto _ : state) {
    // Balls clear bricks and get lost: the level is set up again every 2 s of play.
    if (++frame % 150 == 0) {
      state.PauseTiming();
      bench.Restart();
      state.ResumeTiming();
    }
    bench.Frame();
  }
}
BENCHMARK(BM_PlayFrameOfTheDensestLevelWithTwentyBalls)->Unit(benchmark::kMicrosecond);

}  // namespace
