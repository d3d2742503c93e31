// TBitaMissile: one shot of the gun bat. It flies straight up with a flame trail, breaks into
// the first alive brick (wall pieces and indestructible bricks included: they stop it) and the
// first alive enemy it touches, and is gone at the top of the field or when the bat explodes.
// No sound.
#pragma once

#include <array>
#include <vector>

#include "engine/MeshSprite.h"
#include "gameplay/FieldContacts.h"
#include "gameplay/FieldGeometry.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/ParticleSets.h"

class TBlock;
class TEnemy;

class TBitaMissile {
 public:
  void Init(const TFieldTextures& textures);
  // New trail and sprite after an engine restart; the next update places the sprite.
  void RebuildMeshes();
  void PlaceMesh() const;
  // Fired from (x, y): active, placed and shown.
  void Fire(long double x, long double y);
  // Inactive and hidden.
  void Remove();
  // One frame of an active missile; hits go to `contacts` at once.
  void Update(long double k, bool batExploding, const std::vector<TBlock>& bricks,
              const std::array<TEnemy, 9>& enemies, FieldContacts& contacts);
  FieldRect Rect() const;

  long double X = 0, Y = 0;
  long double HalfHeight = 0.96L, HalfWidth = 0.36L;
  TMeshSprite* Sprite = nullptr;
  bool Active = false;
  FlameSet Trail;

 private:
  void CreateTrailAndSprite();
  const TFieldTextures* textures_ = nullptr;
};
