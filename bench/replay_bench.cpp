// What recording costs a frame (the frame's input handed to the replay's encoder, which is all
// the frame does for its replay; the file is written off the frame when the game ends), and what
// a ten-minute game of mouse play takes as a replay file.
#include <benchmark/benchmark.h>

#include <cmath>

#include "replay/FrameCodec.h"
#include "replay/ReplayFile.h"

namespace {

constexpr int kTenMinutes = 600000 / 13;

// Frame `i` of a player who steers with the mouse all the time: the pointer swings across the
// window (each frame the game puts it back in the middle, so every frame reads a new position),
// the ball is launched now and then and a late frame comes every few seconds.
TFrameInput SteeringFrame(int i) {
  TFrameInput frame;
  frame.tick = 1000 + static_cast<std::uint32_t>(i) * 13;
  frame.stepMs = i % 300 == 0 ? 27 : 13;
  frame.windowKnown = frame.pointerKnown = frame.windowFocused = true;
  frame.windowLeft = 112, frame.windowTop = 108, frame.windowRight = 912, frame.windowBottom = 708;
  frame.screenWidth = 1024, frame.screenHeight = 768;
  frame.pointerX = 512 + static_cast<int>(std::lround(9 * std::sin(i / 40.0)));
  frame.pointerY = 384;
  frame.leftClick = i % 900 == 0;
  return frame;
}

void BM_RecordAFrameOfMouseSteering(benchmark::State& state) {
  TFrameEncoder encoder(TPointerSource::System, 1000);
  int i = 0;
  for (auto _ : state) {
    // A game is at most kMaxReplayFrames long; the encoder starts over before that.
    if (++i == kTenMinutes) {
      state.PauseTiming();
      encoder = TFrameEncoder(TPointerSource::System, 1000);
      i = 0;
      state.ResumeTiming();
    }
    encoder.Add(SteeringFrame(i));
  }
}
BENCHMARK(BM_RecordAFrameOfMouseSteering)->Unit(benchmark::kNanosecond);

void BM_ReplayFileOfATenMinuteGame(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    TReplay replay;
    replay.GameVersion = "1.0";
    TFrameEncoder encoder(TPointerSource::System, 1000);
    for (int i = 0; i < kTenMinutes; ++i) encoder.Add(SteeringFrame(i));
    replay.Frames = kTenMinutes;
    replay.FrameBits = encoder.Finish();
    bytes = EncodeReplay(replay).size();
  }
  state.counters["file_KiB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_ReplayFileOfATenMinuteGame)->Unit(benchmark::kMillisecond);

}  // namespace
