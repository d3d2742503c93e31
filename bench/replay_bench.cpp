// What recording costs a frame (the frame's input handed to the replay's encoder, which is all
// the frame does for its replay; the file is written off the frame when the game ends), and what
// a ten-minute game of mouse play, and of a gamepad's stick, takes as a replay file.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/PadCodes.h"
#include "replay/FrameCodec.h"
#include "replay/ReplayFile.h"
#include "scene/PadControls.h"

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

// Frame `i` of a player who steers with a pad's stick all the time: the thumb sweeps it from side
// to side and trembles a little, A launches now and then, a late frame every few seconds.
TFrameInput StickFrame(int i) {
  TFrameInput frame = SteeringFrame(i);
  frame.pointerX = 512;
  frame.leftClick = false;
  const double tremble = 300 * std::sin(i * 2.3);
  frame.padStick = StickSteps(static_cast<int>(std::lround(30000 * std::sin(i / 40.0) + tremble)));
  if (i % 900 == 0) frame.padDown = frame.padClicked = 1u << kPadA;
  return frame;
}

// The replay file of a ten-minute game of the player above.
std::size_t TenMinuteReplayBytes(TFrameInput (*frameOf)(int)) {
  TReplay replay;
  replay.GameVersion = "1.1";
  TFrameEncoder encoder(TPointerSource::System, 1000);
  for (int i = 0; i < kTenMinutes; ++i) encoder.Add(frameOf(i));
  replay.Frames = kTenMinutes;
  replay.FrameBits = encoder.Finish();
  return EncodeReplay(replay).size();
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
  for (auto _ : state) bytes = TenMinuteReplayBytes(SteeringFrame);
  state.counters["file_KiB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_ReplayFileOfATenMinuteGame)->Unit(benchmark::kMillisecond);

void BM_ReplayFileOfATenMinuteStickGame(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) bytes = TenMinuteReplayBytes(StickFrame);
  state.counters["file_KiB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_ReplayFileOfATenMinuteStickGame)->Unit(benchmark::kMillisecond);

}  // namespace
