// One record's replay played by the game itself, headless, in a process of its own with a time
// and a memory limit: whatever a replay holds, it costs the server no more than those.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "server/ScoreStore.h"

struct ReplayCheckSetup {
  std::string gameDir;                   // the game's folder: the program and its data/
  std::chrono::seconds timeLimit{30};    // processor time, and twice that of waiting in all
  std::size_t memoryBytes = 512u << 20;  // the address space the game may take
};

struct ReplayVerdict {
  ReplayState state = ReplayState::Flagged;
  std::string detail;  // one line: how it went
};

// Plays `replay` (the bytes of a replay file) with the game of `setup`: Verified when it plays
// as recorded and ends on `score`, else Flagged with the reason; Pending when the check itself
// could not be made (no game, no scratch folder, `stop` set meanwhile: the game is then ended at
// once), which is no fault of the replay.
ReplayVerdict CheckReplay(const ReplayCheckSetup& setup, const std::string& replay,
                          std::int32_t score, const std::atomic<bool>& stop);
