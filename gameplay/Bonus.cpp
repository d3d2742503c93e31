#include "gameplay/Bonus.h"

#include "gameplay/FrameStep.h"

void TBonus::CreateSprite() {
  Sprite = TMeshSprite::CreateBare(15);
  iMeshTextureSet(Sprite->Mesh, textures_->BonusTexture(static_cast<int>(Kind)));
  SetScreenSize(Sprite->Mesh, 44, 46);
}

void TBonus::Init(CapsuleKind kind, const TFieldTextures& textures) {
  textures_ = &textures;
  Kind = kind;
  CreateSprite();
  HalfWidth = 0.88L;
  HalfHeight = 0.92L;
  Active = false;
}

void TBonus::RebuildMeshes() {
  if (Sprite != nullptr) Sprite->Discard();
  CreateSprite();
  PlaceMesh();
}

void TBonus::PlaceMesh() const {
  PlaceAtFieldPoint(Sprite->Mesh, X, Y);
}

void TBonus::Drop(long double x, long double y) {
  X = x;
  Y = y;
  PlaceMesh();
  Active = true;
  Sprite->Show();
}

void TBonus::Remove() {
  Active = false;
  Sprite->Hide();
}

FieldRect TBonus::Rect() const {
  return {static_cast<double>(Y + 0.92L), static_cast<double>(X - 0.88L),
          static_cast<double>(Y - 0.92L), static_cast<double>(X + 0.88L)};
}

bool TBonus::Update(long double k, const FieldRect& bat) {
  // After a stall the fall is cut into steps of at most two ordinary ones, so the capsule cannot
  // fall through the bat.
  const int steps = SubSteps(k, 2);
  for (int step = 0; step < steps && Active; ++step) {
    if (RectsOverlap(Rect(), bat)) {
      Remove();
      return true;
    }
    Y -= 0.15L * k / steps;
    PlaceMesh();
    if (Y < kCapsuleLostBelow) Remove();
  }
  return false;
}
