// A replay file: everything needed to play a game again exactly as it went. The program as the
// game began (the random generator's seed and the few settings and screen values the game's
// input passes through), the seeds drawn when the engine was reopened during the game, every
// frame's input (replay/FrameCodec.h), and the result the game reached, with the game's version
// and the hash of the level file it was played on. A checksum closes the file.
//
// Layout, little-endian: "GLRP", format 2, the version (a length byte and its text), the level
// file's hash (8 bytes), the end of the game (Unix seconds, 8), the start (seed 8, tick 4,
// pointer source 1, boss key 1, its modifiers 1, the dialog's selection 1, the last pointer's
// x and y), the result (score 4, level 4, state hash 8), the frame count (4), the reseeds (a
// count of 2, then frame 4 and seed 8 each), the frames' bits (a length of 4 and the bytes), and
// the FNV-1a hash of everything before it (8).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "replay/FrameCodec.h"

// Frames of over seven hours of play are not kept: nobody plays that long in one game, and a
// replay can never make a program that plays it run for longer.
inline constexpr std::uint32_t kMaxReplayFrames = 2'000'000;
// Seeds drawn by engine restarts during one game, at most.
inline constexpr std::size_t kMaxReplayReseeds = 1024;
// No replay the game writes comes near this; a larger file is not read.
inline constexpr std::size_t kMaxReplayBytes = 1 << 20;

// The boss key's modifiers, one bit each.
enum : std::uint8_t { kBossShift = 1, kBossAlt = 2, kBossCtrl = 4 };

// The program as the game began.
struct TReplayStart {
  std::uint64_t Seed = 0;  // the random generator's, at the start of the game
  std::uint32_t Tick = 0;  // the millisecond tick of the frame the game started in
  TPointerSource Pointer = TPointerSource::System;  // in a window, or in full screen
  std::uint8_t BossKey = 0;                         // and its modifiers: the boss key pauses
  std::uint8_t BossModifiers = 0;
  std::uint8_t DialogSelected = 1;  // the yes/no dialog keeps its choice between questions
  long double PointerX = 0;         // where the pointer was last seen, in print units
  long double PointerY = 0;
};

// Where the game had got to when it ended.
struct TReplayResult {
  std::int32_t Score = 0;
  std::int32_t Level = 0;
  std::uint64_t StateHash = 0;  // of the game's counters and every object of its field
  bool operator==(const TReplayResult&) const = default;
};

// Reopening the engine seeds the random generator anew: before frame `Frame` (from 0), it was
// seeded with `Seed`.
struct TReseed {
  std::uint32_t Frame = 0;
  std::uint64_t Seed = 0;
};

struct TReplay {
  std::string GameVersion;
  std::uint64_t LevelsHash = 0;
  std::int64_t EndedAt = 0;  // Unix seconds
  TReplayStart Start;
  TReplayResult Result;
  std::uint32_t Frames = 0;
  std::vector<TReseed> Reseeds;
  std::vector<std::uint8_t> FrameBits;
};

std::vector<std::uint8_t> EncodeReplay(const TReplay& replay);
// The replay in `bytes`; nothing when they are not a whole, sound replay, with `error` saying
// why in a few words ("is cut short"). Every frame is read once to see that it can be.
std::optional<TReplay> DecodeReplay(std::span<const std::uint8_t> bytes, std::string& error);
// Why this game cannot play `replay` (it was recorded by another version, or on another level
// file); empty when it can.
std::string ReplayMismatch(const TReplay& replay, std::string_view gameVersion,
                           std::uint64_t levelsHash);
