// TBlock: one brick of the level or one of the ten wall pieces at the field's sides. It knows its
// picture, what a hit does to it by kind, its glint, animation and flash; the field applies what
// a hit reports (points, a possible drop, the spawn of a spawner brick).
//
// Kinds: 1, 2, 3 one hit; 4 -> 2, 5 -> 4, 6 -> 5, 9 -> 8 one step down a hit; 7 slides a cell
// and becomes 3; 8 breaks and fills its free neighbour cells with sliding bricks; 11..13
// indestructible, 20..22 wall pieces (both only flash). Kinds 1..9 count for completing a level.
#pragma once

#include <cstdint>

#include "engine/MeshSprite.h"
#include "gameplay/Explosion.h"
#include "gameplay/FieldGeometry.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/LevelGrid.h"

// The brick list starts with the ten pieces of the side walls, five a side; the level's bricks
// follow.
inline constexpr std::size_t kWallPieces = 10;

// What a hit did, for the field to apply.
struct BrickHit {
  std::int32_t points = 0;
  // A brick of kind 1..3 was destroyed: it may drop a capsule or release an enemy.
  bool mayDrop = false;
  // A spawner brick broke: its free neighbours are to be filled.
  bool spawns = false;
};

class TBlock {
 public:
  // Creates the sprites (hidden but the overlay, shown at opacity 0) and the explosion.
  void Init(int kind, const TFieldTextures& textures);
  // Frees both sprites and the explosion's.
  void Destroy();
  // Main sprite, overlay and explosion to the brick's centre.
  void PlaceMeshes();
  BrickHit Hit(TLevelGrid& grid);
  // One playing frame of an alive brick: glint, animation or flash.
  void Update();
  // New sprites after an engine restart; the brick keeps its state.
  void RebuildMeshes();
  void Show() const;
  void Hide() const;

  // Kinds 1..9 count for completing a level.
  bool Counts() const { return Kind >= 1 && Kind <= 9; }
  ContactBox Box() const { return {X, Y, HalfHeight, HalfWidth}; }
  FieldRect Rect() const;

  TMeshSprite* Main = nullptr;
  TMeshSprite* Overlay = nullptr;
  long double X = 0, Y = 0;
  long double HalfHeight = 0.8L, HalfWidth = 0.6L;
  std::uint8_t Kind = 0;
  bool Alive = false;
  bool Flashing = false;
  std::int32_t Counter = 0;  // frames to the next glint or animation step; a flash's opacity step
  std::int32_t Column = 0, Row = 0;
  bool FadeIn = false;
  TExplo Explosion;
  std::int32_t AnimationFrame = 0;
  std::int32_t ListIndex = 0;

 private:
  void CreateSprites(float overlayWidth, float overlayHeight);
  void SetTextures() const;
  void SetMainTexture(iHandle texture) const;
  void Explode();
  // Destroyed: hidden, exploding, no longer hittable.
  void Break();
  // The sliding brick's move to its first free neighbour; false when walled in.
  bool Slide(TLevelGrid& grid);
  const TFieldTextures* textures_ = nullptr;
};
