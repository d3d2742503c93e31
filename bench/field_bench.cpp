// The game logic of play on the headless engine (drawing is not counted): a whole frame of the
// densest shipped level with twenty balls in flight (plain, or armoured with their trails) and
// the gun bat firing, one ball's update, and one contact test.
#include <benchmark/benchmark.h>

#include "bench/play_setup.h"
#include "gameplay/FieldGeometry.h"

namespace {

// Balls clear bricks and get lost: the level is set up again every 2 s of play.
void PlayFrames(benchmark::State& state, benchplay::Balls balls) {
  benchplay::HeadlessPlay play(balls);
  int frame = 0;
  for (auto _ : state) {
    if (++frame % benchplay::kFramesPerRebuild == 0) {
      state.PauseTiming();
      play.Restart();
      state.ResumeTiming();
    }
    play.Frame();
  }
}

void BM_PlayFrameOfTheDensestLevelWithTwentyBallsAndTheGun(benchmark::State& state) {
  PlayFrames(state, benchplay::Balls::Plain);
}
BENCHMARK(BM_PlayFrameOfTheDensestLevelWithTwentyBallsAndTheGun)->Unit(benchmark::kMicrosecond);

// The balls' flame trails are emitted in the frame: part of the logic's cost.
void BM_PlayFrameOfTheDensestLevelWithTwentyArmouredBallsAndTheGun(benchmark::State& state) {
  PlayFrames(state, benchplay::Balls::Armoured);
}
BENCHMARK(BM_PlayFrameOfTheDensestLevelWithTwentyArmouredBallsAndTheGun)
    ->Unit(benchmark::kMicrosecond);

void BM_OneBallUpdateInTheDensestLevel(benchmark::State& state) {
  benchplay::HeadlessPlay play;
  TField& field = play.Field();
  TBubble& ball = field.Balls[7];
  const FrameStep step{1, 5000, false};
  int frame = 0;
  for (auto _ : state) {
    if (++frame % 100 == 0) {
      state.PauseTiming();
      play.Restart();
      state.ResumeTiming();
    }
    // The same ball from the same place each time: it flies through the middle of the bricks.
    ball.Active = ball.Launched = true;
    ball.X = 0.3L;
    ball.Y = 2;
    ball.Angle = 0.4L;
    ball.Update(step, field.Bat, field.Bricks, field.Enemies, field.Grid, field);
  }
}
BENCHMARK(BM_OneBallUpdateInTheDensestLevel)->Unit(benchmark::kNanosecond);

void BM_ContactBounceOfABrickCorner(benchmark::State& state) {
  const ContactBox box{0, 0, 0.8L, 0.6L, true, false, false, true};
  long double x = -0.8L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ContactBounce(box, 0.4L, x, 1.0L, 3 * kPi / 4));
    x += 1e-9L;
  }
}
BENCHMARK(BM_ContactBounceOfABrickCorner)->Unit(benchmark::kNanosecond);

}  // namespace
