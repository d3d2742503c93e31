// TBonus: a capsule that falls from a destroyed brick towards the bat. The game keeps a pool of
// 36, three of each kind (gameplay/Capsules.h); a drop activates a free one, catching or losing it
// deactivates it.
#pragma once

#include "engine/MeshSprite.h"
#include "gameplay/Capsules.h"
#include "gameplay/FieldGeometry.h"
#include "gameplay/FieldTextures.h"

class TBonus {
 public:
  void Init(CapsuleKind kind, const TFieldTextures& textures);
  void RebuildMeshes();
  void PlaceMesh() const;
  // Drops the capsule at (x, y): placed, active and shown.
  void Drop(long double x, long double y);
  // Inactive and hidden.
  void Remove();
  // One playing frame: true when it touches the bat's box (it is then removed and the bat
  // applies it); else it falls 0.15 per unit of the frame factor and is lost below y = -14.
  bool Update(long double k, const FieldRect& bat);
  FieldRect Rect() const;

  TMeshSprite* Sprite = nullptr;
  long double X = 0, Y = 0;
  long double HalfHeight = 0.92L, HalfWidth = 0.88L;
  bool Active = false;
  CapsuleKind Kind = CapsuleKind::None;

 private:
  void CreateSprite();
  const TFieldTextures* textures_ = nullptr;
};
