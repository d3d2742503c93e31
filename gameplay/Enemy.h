// TEnemy: a small flying creature that comes out of a destroyed brick, wanders over the upper
// field with random turns and is shot down by balls and missiles. While one is alive the level
// is not complete. The game keeps a pool of nine, three of each kind 1..3.
#pragma once

#include <cstdint>

#include "engine/MeshSprite.h"
#include "gameplay/Explosion.h"
#include "gameplay/FieldGeometry.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/FrameStep.h"

class TEnemy {
 public:
  void Init(int kind, const TFieldTextures& textures);
  // As made: heading up the field, the countdown to its first turn drawn anew, its picture and
  // its explosion at rest. Each game starts its enemies so (TField::StartGame).
  void StartOver();
  void RebuildMeshes();
  // The sprite to (X, Y); the explosion follows.
  void PlaceMeshes();
  // Comes out of a brick at (x, y) with kind + 1 hit points.
  void Appear(long double x, long double y);
  // Not alive, hidden, its explosion stopped and hidden (a new level).
  void Remove();
  // One playing frame of an alive enemy: a random turn now and then, kept to the upper field,
  // a step along its direction, and its picture stepped back and forth every 51 ms or more.
  void Update(const FrameStep& step);
  // A hit: with two or more hit points left only the hit sound plays and one is lost; the last
  // one destroys it. Returns the points scored (50, 75 or 100 by kind; 0 for a hit it survives).
  std::int32_t Hit();

  ContactBox Box() const { return {X, Y, HalfHeight, HalfWidth}; }
  FieldRect Rect() const;
  // Points for destroying an enemy of this kind.
  static std::int32_t Points(int kind);

  std::int32_t AnimationFrame = 0;
  bool CountingUp = false;
  std::uint32_t AnimationTick = 0;
  std::int32_t TurnCountdown = 0;
  long double X = 0, Y = 0;
  long double HalfHeight = 1.04L, HalfWidth = 0.96L;
  int Kind = 0;
  TMeshSprite* Sprite = nullptr;
  bool Alive = false;
  long double Speed = 0.1L;
  long double Direction = 0;
  TExplo Explosion;
  std::int32_t HitPoints = 0;
  iHandle HitSound = 0;

 private:
  void CreateSprite();
  void ShowFrame(int frame);
  const TFieldTextures* textures_ = nullptr;
};
