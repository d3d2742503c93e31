// The one game object: the field, its objects and the game counters. The field objects and the
// rules of play arrive with the gameplay; until then a game has no level to load.
#pragma once

#include <cstdint>

class TGame {
 public:
  // Counters are kept XOR-ed with a mask and reached only through these accessors.
  std::int32_t GetScore() const { return score_ ^ kCounterMask; }
  // A negative score is ignored: the score keeps its old value.
  void SetScore(std::int32_t value) {
    if (value >= 0) score_ = value ^ kCounterMask;
  }
  std::int32_t GetLevel() const { return level_ ^ kCounterMask; }
  void SetLevel(std::int32_t value) { level_ = value ^ kCounterMask; }
  std::int32_t GetLives() const { return lives_ ^ kCounterMask; }
  void SetLives(std::int32_t value) { lives_ = value ^ kCounterMask; }
  std::int32_t GetMissiles() const { return missiles_ ^ kCounterMask; }
  void SetMissiles(std::int32_t value) { missiles_ = value ^ kCounterMask; }

  // First creation of everything the field needs (on the first new game).
  void CreateResources() { ResourcesCreated = true; }
  // Re-creates the field's engine objects after the engine was reopened.
  void RebuildResources() {}
  void ResetGame() {
    SetScore(0);
    SetLives(3);
    SetLevel(0);
    SetMissiles(0);
  }
  void LoadNextLevel() { SetLevel(GetLevel() + 1); }
  void UpdateFrame() {}
  void ShowPausePicture() const {}

  bool ResourcesCreated = false;
  bool GameOverPhase = false;
  long double TimeLeft = 0;  // seconds of the level's time limit left

 private:
  static constexpr std::int32_t kCounterMask = 0x5A3C96E1;
  std::int32_t score_ = kCounterMask;
  std::int32_t level_ = kCounterMask;
  std::int32_t lives_ = 3 ^ kCounterMask;
  std::int32_t missiles_ = kCounterMask;
};
