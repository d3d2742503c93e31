// TGame: the one game object. It owns the playing field with its textures, the game counters,
// the field's background, the interface bar, the pause picture and the splash overlay, and the
// banners and phases of a game (level banner, time-out, level complete, game over). Level
// loading and the game's resources are in Game.cpp, the per-frame rules in GameRules.cpp.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/FrameInput.h"
#include "gameplay/Counters.h"
#include "gameplay/Field.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/FrameStep.h"

class TMeshSprite;
class TMenuKit;
class TMusic;
struct TSceneMedia;
struct TSettings;

// A banner's animation: it grows in, pulses, then shrinks away.
struct TBanner {
  bool Active = false;
  long double Life = -1;  // 2.0 while it runs, -1.0 once it has shrunk away
  long double Scale = 0;
  long double Alpha = 0;
  long double Pulse = 0;
  bool Appear = false;  // still growing or pulsing
  // Starts it from nothing.
  void Start();
  // Off, with no life left.
  void Stop();
};

// What a frame of play asks of the program around the game.
struct TGameOutcome {
  bool nextLevel = false;  // the next level (or the same one again) is to be loaded
  bool ended = false;      // the game is over: the record check follows
  bool steered = false;    // the bat read the pointer, which goes back to the centre
};

class TGame {
 public:
  // The game works with the scene's shared pictures and music, reads the live settings, and
  // prints its banners with the menu kit's font.
  TGame(TSceneMedia& media, TMusic& music, const TSettings& settings, const TMenuKit& kit)
      : media_(media), music_(music), settings_(settings), kit_(kit) {}
  // Lets its sprite records go without engine calls (the engine is closed by then).
  ~TGame();
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

  // The counters are kept masked (gameplay/Counters.h).
  std::int32_t GetScore() const { return Counters.GetScore(); }
  // A negative score is ignored: the score keeps its old value.
  void SetScore(std::int32_t value) { Counters.SetScore(value); }
  std::int32_t GetLevel() const { return Counters.GetLevel(); }
  void SetLevel(std::int32_t value) { Counters.SetLevel(value); }
  std::int32_t GetLives() const { return Counters.GetLives(); }
  void SetLives(std::int32_t value) { Counters.SetLives(value); }
  std::int32_t GetMissiles() const { return Counters.GetMissiles(); }
  void SetMissiles(std::int32_t value) { Counters.SetMissiles(value); }
  // Seconds of the level's time limit left.
  long double TimeLeft() const { return Counters.TimeLeft; }

  // First creation of everything the field needs (on the first new game of the run).
  void CreateResources();
  // Re-creates the field's engine objects after the engine was reopened; every object keeps
  // its state.
  void RebuildResources();
  // Back to a fresh game: no bricks, score 0, lives 3, level 0.
  void ResetGame();
  // Destroys every brick, sets the missiles to 0 and stops the music.
  void ClearBricks();
  // The wall pieces of the level style and the bricks of the level grid.
  void BuildBricks();
  void StartLife();
  // Advances the level number and loads that level from "data\Levels.dat". A level that cannot
  // be read ends the game as after the last level, with a line on stderr.
  void LoadNextLevel();
  // A new game from the main menu: the game-over timer and the field's objects as in the first
  // game (TField::StartGame), so that the game depends on its seed and input alone.
  void StartGame();
  // One frame of play with this frame's input and routed click (GameRules.cpp).
  TGameOutcome UpdateFrame(const TFrameInput& input, std::uint8_t pointerClick);
  // The hash of "data\Levels.dat" as it is now (0 when it cannot be read): a replay plays only
  // on the level file it was recorded on.
  static std::uint64_t LevelFileHash();
  // Seconds to clear level `level` (from 1): 290 for the first, a little less for each later one.
  static long double TimeLimit(std::int32_t level) { return 20.0L / level * 1.5L + 260; }

  void ShowGameObjects() const;
  void HideGameObjects() const;
  void ShowPausePicture();
  void HidePausePicture();
  bool PausePictureShown() const { return pauseShown_; }
  // A life was lost (the last one too) since the last call: the pads shake.
  bool TakeLifeLost();
  void HideSplash() const;

  bool ResourcesCreated = false;
  // The game-over picture is up; when its timer runs out the game ends.
  bool GameOverPhase = false;
  long double GameOverTimer = 3.0L;  // seconds; 3.0 while not running
  TBanner LevelBanner;
  TBanner TimeOutBanner;
  TBanner CompleteBanner;
  std::int32_t LevelStyle = 1;  // 1..3, drawn for each level: walls, hard bricks, interface bar
  std::int32_t BackgroundIndex = 1;  // 1..3, drawn for each level
  TGameCounters Counters;
  TFieldTextures Textures;
  TField Field;

 private:
  void CreateSprites();
  // Shows the game-over picture and starts the game-over phase.
  void EnterGameOver();
  // A frame of the game-over phase; when its timer runs out the game ends.
  TGameOutcome GameOverFrame(const FrameStep& step);
  // The bricks, enemies and capsules, then a game over the field may have caused.
  void UpdateObjects(const FrameStep& step);
  // The level count of "data\Levels.dat"; nothing when it cannot be read.
  static std::optional<std::int32_t> LevelCount();
  // Reads a level into the grid; false (with a line on stderr) when it cannot be read.
  bool ReadLevel(std::int32_t level);
  TSceneMedia& media_;
  TMusic& music_;
  const TSettings& settings_;
  const TMenuKit& kit_;
  TMeshSprite* background_ = nullptr;
  TMeshSprite* interfaceBar_ = nullptr;
  TMeshSprite* pausePicture_ = nullptr;
  TMeshSprite* splash_ = nullptr;
  bool pauseShown_ = false;
  bool lifeLost_ = false;  // by running out of time; the field keeps its own
};
