// TExplo: a short flat explosion of sixteen pictures, timed by the millisecond tick (one step at
// most every 16 ms, whatever the frame rate). Every brick and enemy owns one; the bat owns thirty
// as debris. The owner places it, starts it and calls its update.
#pragma once

#include <cstdint>

#include "engine/MeshSprite.h"
#include "gameplay/FieldTextures.h"

class TExplo {
 public:
  // A hidden 128 x 128 sprite at picture 1.
  void Init(const TFieldTextures& textures);
  // A new sprite showing the current picture, placed at (X, Y), after an engine restart.
  void RebuildMesh();
  void Destroy();
  // The sprite to the field point (X, Y).
  void PlaceMesh() const;
  // Shows it and lets it run from the picture it holds (1 unless a run is under way).
  void Start();
  // Next picture once more than 15 ms have passed; after picture 16 it hides and stops.
  void Update(std::uint32_t tick);
  // Back to picture 1, stopped and hidden.
  void Reset();

  int Frame = 1;
  TMeshSprite* Sprite = nullptr;
  bool Active = false;
  long double X = 0, Y = 0;
  std::uint32_t Tick = 0;

 private:
  void CreateSprite();
  void ShowFrame(int frame);
  const TFieldTextures* textures_ = nullptr;
};
