// The program's screens: the values of GameState, one byte each. No other value occurs. The
// scene keeps the current one and changes it through its state machine only.
#pragma once

#include <cstdint>

enum : std::uint8_t {
  gsPlaying = 3,
  gsMainMenu = 4,
  gsOptions = 5,
  gsHelp = 7,
  gsOptionsName = 8,
  gsOptionsKey = 9,
  gsExitConfirm = 10,
  gsRecords = 11,
  gsRecordsResetConfirm = 12,
  gsPaused = 13,
  gsQuitConfirm = 15,
  gsStartLevel = 16,
  gsRecordEntry = 18,
  gsRecordEntryName = 19,
  gsRecordEntryAdd = 20,
  gsSubmitAsk = 23,
  gsSubmitting = 25,
  gsSubmitFailed = 26,
  gsLeaving = 27,
  gsReplayEnd = 28,  // a replay has played to its end; its last picture stays
};
