// The counters of a game: score, level, lives and missiles, kept XOR-ed with one mask and reached
// only through their accessors, and the time left of the level.
#pragma once

#include <algorithm>
#include <cstdint>

class TGameCounters {
 public:
  std::int32_t GetScore() const { return score_ ^ kMask; }
  // A negative score is ignored: the score keeps its old value, so a deduction larger than the
  // score is dropped altogether.
  void SetScore(std::int32_t value) {
    if (value >= 0) score_ = value ^ kMask;
  }
  // SetScore with the score plus the points; a sum beyond the counter's range stays at its top.
  void AddScore(std::int32_t points) {
    const std::int64_t sum = static_cast<std::int64_t>(GetScore()) + points;
    SetScore(static_cast<std::int32_t>(std::min<std::int64_t>(sum, INT32_MAX)));
  }
  std::int32_t GetLevel() const { return level_ ^ kMask; }
  void SetLevel(std::int32_t value) { level_ = value ^ kMask; }
  std::int32_t GetLives() const { return lives_ ^ kMask; }
  void SetLives(std::int32_t value) { lives_ = value ^ kMask; }
  std::int32_t GetMissiles() const { return missiles_ ^ kMask; }
  void SetMissiles(std::int32_t value) { missiles_ = value ^ kMask; }

  // Seconds of the level's time limit left; counts down only in play.
  long double TimeLeft = 0;

 private:
  static constexpr std::int32_t kMask = 0x5A3C96E1;
  std::int32_t score_ = kMask;
  std::int32_t level_ = kMask;
  std::int32_t lives_ = 3 ^ kMask;
  std::int32_t missiles_ = kMask;
};
