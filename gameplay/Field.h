// TField: everything on the playing field and the order it runs in. It owns the bat, the twenty
// ball slots, the brick list (the ten wall pieces first), the capsule pool (three of each kind),
// the enemy pool (three of each kind) and the level grid, and applies what the objects report:
// hits, points, drops, spawns and lost lives.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "gameplay/Ball.h"
#include "gameplay/Bat.h"
#include "gameplay/Bonus.h"
#include "gameplay/Brick.h"
#include "gameplay/Counters.h"
#include "gameplay/Enemy.h"
#include "gameplay/FieldContacts.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/FrameStep.h"
#include "gameplay/LevelGrid.h"

class TField final : public FieldContacts {
 public:
  static constexpr std::size_t kWallPieces = ::kWallPieces;

  // Creates the bat, the ball slots and both pools over the game's textures and counters.
  void Create(const TFieldTextures& textures, TGameCounters& counters);
  // New engine objects for everything after an engine restart; every object keeps its state.
  void RebuildMeshes();

  // Destroys every brick (each frees its sprites and explosion) and empties the list.
  void ClearBricks();
  // The ten wall pieces of the level style (1..3), then the bricks of the grid's cells.
  void BuildBricks(int style);
  // The start of a life: the bat off to the right with its missiles and debris gone, ball slot 1
  // held on it, the other slots empty, and the bat's entry slide armed.
  void StartLife();
  // A new game: what the field's objects would keep from one game to the next (the enemies'
  // headings and turns, the bat's timers, barrel and debris, the balls' angles) set as in the
  // first game, drawn from the generator as seeded for this game, so that a game depends on its
  // seed and its input alone.
  void StartGame();
  // A new level's bat and balls: the bat normal at (0, -10), ball slot 1 on it, the others gone.
  void PlaceForLevel();
  // Every enemy gone with its explosion, every capsule gone.
  void ClearPools();

  // One frame of the bat's entry slide: bat and held ball move left 0.2 per unit of the frame
  // factor, with the engine bursts; the slide ends once the bat is left of the centre.
  void SlideIn(const FrameStep& step);
  // One frame of play: the bat (with its input), then the ball slots 1..20.
  BatOutcome Play(const FrameStep& step, const BatControls& controls);
  // The bricks and their explosions, the enemies and theirs, then the falling capsules.
  void UpdateObjects(const FrameStep& step);
  // No brick of kinds 1..9 and no enemy alive.
  bool LevelComplete() const;
  // Set when a life was lost with fewer than two left: the game is over.
  bool TakeGameOver();
  // A life was lost (the last one too) since the last call.
  bool TakeLifeLost();

  // Shows every live object: capsules, enemies and their running explosions, bricks with their
  // running explosions, balls in play, the bat and its missiles in flight.
  void Show() const;
  // Hides every object, live or not, with every explosion and the bat's debris.
  void Hide() const;
  // Lets every object's sprite records go without engine calls: the engine that held their
  // meshes has been closed (the end of a run).
  void DiscardSprites();

  void HitBrick(std::size_t index) override;
  void HitEnemy(std::size_t index) override;

  TBita Bat;
  std::array<TBubble, 20> Balls;
  std::vector<TBlock> Bricks;
  std::array<TBonus, 36> Bonuses;
  std::array<TEnemy, 9> Enemies;
  TLevelGrid Grid;
  bool EntrySlide = false;

 private:
  // Ball slot 1 in play, held on top of the bat.
  void HoldFirstBall();
  // A life is lost; with fewer than two left the game ends instead.
  void LoseLife(bool batFellOut);
  // A destroyed brick may drop a capsule or release an enemy (gameplay/Drops.h).
  void Drop(long double x, long double y);
  // Fills the free neighbours of the spawner brick at `index` with its hidden sliding bricks.
  void Spawn(std::size_t index);
  void AddBrick(int kind, long double x, long double y, int column, int row);
  const TFieldTextures* textures_ = nullptr;
  TGameCounters* counters_ = nullptr;
  bool gameOver_ = false;
  bool lifeLost_ = false;
};
