// The game being played, recorded for its replay (replay/ReplayFile.h): started with the game,
// given each of its frames before the frame runs, told of every seed an engine restart draws,
// and finished when the game ends. Recording a frame writes a few bits to memory; the file is
// written by the replay shelf, off the frame.
#pragma once

#include <cstdint>
#include <optional>

#include "replay/ReplayFile.h"

class TProgram;

class TGameRecording {
 public:
  bool Active() const { return started_; }
  // A game starts in this frame, its generator seeded with `seed`; `tick` is this frame's.
  void Start(std::uint64_t seed, std::uint32_t tick, std::uint64_t levelsHash);
  // A frame of the game is about to run on `program`'s input. The first also takes the settings
  // and screen values the game's input passes through, as the frame the game started in left
  // them.
  void Record(const TProgram& program);
  // The engine was reopened during the game and seeded the generator with `seed`.
  void Reseed(std::uint64_t seed);
  // The game ended where `result` says, at `endedAt` (Unix seconds): its replay. Nothing when no
  // game was being recorded, or the game went on longer than a replay keeps.
  std::optional<TReplay> Finish(const TReplayResult& result, std::int64_t endedAt);

 private:
  std::optional<TFrameEncoder> encoder_;  // from the first frame on
  TReplay replay_;
  bool started_ = false;
  bool tooLong_ = false;  // the game outgrew a replay: it is not kept
};
