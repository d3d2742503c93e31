#include "gameplay/Enemy.h"

#include <cmath>

#include "gameplay/Random.h"

namespace {

struct EnemyLook {
  float width, height;
  long double halfHeight;
};

constexpr EnemyLook kLooks[4] = {{0, 0, 0}, {48, 58, 1.04L}, {47, 56, 1.04L}, {56, 49, 0.96L}};

const EnemyLook& LookOf(int kind) {
  return kLooks[kind >= 1 && kind <= 3 ? kind : 1];
}

// A random turn of up to 0.4 radians either way.
long double Wobble() {
  const long double sign = Random(2) == 0 ? 1 : -1;
  return sign * Random(5) / 10.0L;
}

}  // namespace

std::int32_t TEnemy::Points(int kind) {
  return kind == 3 ? 100 : kind == 2 ? 75 : 50;
}

void TEnemy::CreateSprite() {
  Sprite = TMeshSprite::CreateBare(14);
  SetScreenSize(Sprite->Mesh, LookOf(Kind).width, LookOf(Kind).height);
  iMeshTextureSet(Sprite->Mesh, textures_->EnemyTexture(Kind, 1));
}

void TEnemy::ShowFrame(int frame) {
  AnimationFrame = frame;
  iMeshTextureReset(Sprite->Mesh);
  iMeshTextureSet(Sprite->Mesh, textures_->EnemyTexture(Kind, frame));
}

void TEnemy::Init(int kind, const TFieldTextures& textures) {
  textures_ = &textures;
  Kind = kind;
  HitSound = iSoundCreate("sound\\EnemyHit.wav", 0);
  Explosion.Init(textures);
  CreateSprite();
  Alive = false;
  HalfHeight = LookOf(kind).halfHeight;
  HalfWidth = 0.96L;
  Speed = 0.1L;
  StartOver();
}

void TEnemy::StartOver() {
  Direction = 0;
  AnimationFrame = 0;
  AnimationTick = 0;
  CountingUp = false;
  TurnCountdown = 50 + Random(150);
  Explosion.Reset();
}

void TEnemy::RebuildMeshes() {
  HitSound = iSoundCreate("sound\\EnemyHit.wav", 0);
  Explosion.RebuildMesh();
  if (Sprite != nullptr) Sprite->Discard();
  CreateSprite();
  PlaceMeshes();
}

void TEnemy::PlaceMeshes() {
  PlaceAtFieldPoint(Sprite->Mesh, X, Y);
  Explosion.X = X;
  Explosion.Y = Y;
  Explosion.PlaceMesh();
}

void TEnemy::Appear(long double x, long double y) {
  X = x;
  Y = y;
  PlaceMeshes();
  Alive = true;
  Sprite->Show();
  HitPoints = Kind + 1;
}

void TEnemy::Remove() {
  Alive = false;
  Explosion.Active = false;
  Sprite->Hide();
  Explosion.Sprite->Hide();
}

FieldRect TEnemy::Rect() const {
  return {static_cast<double>(Y + HalfHeight), static_cast<double>(X - HalfWidth),
          static_cast<double>(Y - HalfHeight), static_cast<double>(X + HalfWidth)};
}

void TEnemy::Update(const FrameStep& step) {
  if (TurnCountdown > 0 && --TurnCountdown == 0) {
    Direction = Random(600) / 100.0L;
    TurnCountdown = 50 + Random(150);
  }
  // Back towards the upper field; each later test overrides the one before.
  if (X > 12) Direction = 3 * kPi / 2 + Wobble();
  if (X < -12) Direction = kPi / 2 + Wobble();
  if (Y > 10) Direction = kPi + Wobble();
  if (Y < -6) Direction = 0 + Wobble();
  X += std::sin(Direction) * Speed * step.k;
  Y += std::cos(Direction) * Speed * step.k;
  PlaceMeshes();

  if (step.tick - AnimationTick < 51) return;
  AnimationTick = step.tick;
  int frame = AnimationFrame;
  if (CountingUp) {
    if (++frame > 5) {
      frame = 4;
      CountingUp = false;
    }
  } else if (--frame < 1) {
    frame = 2;
    CountingUp = true;
  }
  ShowFrame(frame);
}

std::int32_t TEnemy::Hit() {
  if (HitPoints >= 2) {
    iSoundPlay(HitSound, 0);
    --HitPoints;
    return 0;
  }
  Sprite->Hide();
  Alive = false;
  Explosion.Start();
  return Points(Kind);
}
