#include "gameplay/Missile.h"

#include "gameplay/Brick.h"
#include "gameplay/Enemy.h"

void TBitaMissile::CreateTrailAndSprite() {
  Trail = CreateFlames({{0, -100, 80}, 0.2f, {0, -1, 0}, {0.05f, 0.05f}, {0.05f, 0.1f}});
  Sprite = TMeshSprite::CreateBare(16);
  SetScreenSize(Sprite->Mesh, 18, 49);
  iMeshTextureSet(Sprite->Mesh, textures_->BatTexture(28));
}

void TBitaMissile::Init(const TFieldTextures& textures) {
  textures_ = &textures;
  CreateTrailAndSprite();
  Active = false;
  HalfHeight = 0.96L;
  HalfWidth = 0.36L;
}

void TBitaMissile::RebuildMeshes() {
  if (Sprite != nullptr) Sprite->Discard();
  CreateTrailAndSprite();
}

void TBitaMissile::PlaceMesh() const {
  PlaceAtFieldPoint(Sprite->Mesh, X, Y);
}

void TBitaMissile::Fire(long double x, long double y) {
  X = x;
  Y = y;
  Active = true;
  PlaceMesh();
  Sprite->Show();
}

void TBitaMissile::Remove() {
  Sprite->Hide();
  Active = false;
}

FieldRect TBitaMissile::Rect() const {
  return {static_cast<double>(Y + 0.96L), static_cast<double>(X - 0.36L),
          static_cast<double>(Y - 0.96L), static_cast<double>(X + 0.36L)};
}

void TBitaMissile::Update(long double k, bool batExploding, const std::vector<TBlock>& bricks,
                          const std::array<TEnemy, 9>& enemies, FieldContacts& contacts) {
  Burst(Trail, ParticlePoint(X, Y - 0.1L));
  // After a stall the flight is cut into steps of at most two ordinary ones, so the missile
  // cannot jump over a brick.
  const int steps = SubSteps(k, 2);
  for (int step = 0; step < steps; ++step) {
    const FieldRect box = Rect();
    for (std::size_t i = 0; i < bricks.size(); ++i) {
      if (bricks[i].Alive && RectsOverlap(bricks[i].Rect(), box)) {
        contacts.HitBrick(i);
        Remove();
        break;
      }
    }
    // A missile that broke a brick can still take an enemy in the same frame.
    for (std::size_t i = 0; i < enemies.size(); ++i) {
      if (enemies[i].Alive && RectsOverlap(enemies[i].Rect(), box)) {
        contacts.HitEnemy(i);
        Remove();
        break;
      }
    }
    Y += 0.3L * k / steps;
    PlaceMesh();
    if (Y > 11 || batExploding) Remove();
    if (!Active) break;
  }
}
