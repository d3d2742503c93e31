// The replays the game keeps for its player in "replays/" of the per-user folder: the last 20
// games, and every game whose record went into the records table. A file is named by the end of
// its game (local time) and its score, "2024-05-01_21-30-05_1160.glr", a record's with
// "_record" before the dot. Files are written on a thread of their own, so no frame waits for
// the disk.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

inline constexpr const char* kReplayFolder = "replays";
inline constexpr std::size_t kKeptReplays = 20;

// The name of the replay of a game that ended at `endedAt` (Unix seconds) with `score`, without
// its extension.
std::string ReplayStem(std::int64_t endedAt, std::int32_t score);

class TReplayShelf {
 public:
  TReplayShelf() = default;
  // Waits for the work handed to it.
  ~TReplayShelf();
  TReplayShelf(const TReplayShelf&) = delete;
  TReplayShelf& operator=(const TReplayShelf&) = delete;

  // Writes the replay atomically under its name in the per-user folder's replays/ (made when
  // missing) (another game of the same second and score gets
  // "-2"), then removes all but the newest 20 of the replays that are not records. A replay that
  // cannot be written leaves one line on stderr; the game goes on.
  void Save(std::int64_t endedAt, std::int32_t score, std::vector<std::uint8_t> bytes);
  // The replay saved last is a record's: it takes a record's name, and stays for good.
  void KeepLastAsRecord();
  // Returns once everything handed over so far is done.
  void Flush();

 private:
  void Hand(std::function<void()> job);
  void Work();
  // On the worker: the oldest replays of `folder` beyond the kept number go.
  static void Prune(const std::string& folder);

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> jobs_;
  bool busy_ = false;  // the worker runs a job
  bool closing_ = false;
  std::thread worker_;  // started with the first job
  // The worker's: the replay written last, and its folder.
  std::string lastFolder_;
  std::string lastStem_;
};
