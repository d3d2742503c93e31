#include "gameplay/Bat.h"

#include <algorithm>

#include "gameplay/Brick.h"
#include "gameplay/Enemy.h"
#include "gameplay/FieldGeometry.h"
#include "gameplay/Random.h"

namespace {

struct Shape {
  float width, height, blinkHeight;
  long double halfWidth, halfHeight;
  int texture;  // the blinking picture is the next one
};

// Shapes 1..5: normal, narrow, wide, gun, catcher.
constexpr Shape kShapes[6] = {
    {164, 48, 45, 3.28L, 0.96L, 1}, {164, 48, 45, 3.28L, 0.96L, 1}, {99, 48, 45, 1.96L, 0.96L, 3},
    {296, 48, 46, 5.92L, 0.96L, 5}, {164, 67, 63, 3.28L, 0.96L, 7}, {164, 51, 48, 3.28L, 1.0L, 9},
};

const Shape& ShapeOf(int size) {
  return kShapes[size >= 1 && size <= 5 ? size : 1];
}

// The explosion's five meshes.
constexpr float kExplosionMeshes[5][2] = {{397, 93}, {457, 86}, {530, 103}, {480, 106}, {416, 109}};

constexpr long double kBatSpeed = 0.3L;

}  // namespace

void TBita::CreateSoundsAndFlames() {
  sounds_[0] = iSoundCreate("sound\\bita_explo.wav", 0);
  for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
    sounds_[static_cast<std::size_t>(kind)] =
        iSoundCreate(RuleOf(static_cast<CapsuleKind>(kind)).sound, 0);
  }
  const FlameLook exhaust{{0, -100, 80}, 0.2f, {0, -1, 0}, {0.05f, 0.05f}, {0.05f, 0.1f}};
  const FlameLook rightJet{{-100, 0, 80}, 0.1f, {-1, 0, 0}, {0.05f, 0.05f}, {0.05f, 0.1f}};
  const FlameLook leftJet{{100, 0, 80}, 0.1f, {1, 0, 0}, {0.05f, 0.05f}, {0.05f, 0.1f}};
  flames_[kMain] = CreateFlames({{0, -100, 80}, 0.2f, {0, -1, 0}, {0.1f, 0.05f}, {0.1f, 0.2f}});
  flames_[kLowerLeft1] = CreateFlames(exhaust);
  flames_[kLowerLeft2] = CreateFlames(exhaust);
  flames_[kRightJet] = CreateFlames(rightJet);
  flames_[kLowerRight1] = CreateFlames(exhaust);
  flames_[kLowerRight2] = CreateFlames(exhaust);
  flames_[kLeftJet] = CreateFlames(leftJet);
}

void TBita::CreateSprite() {
  Sprite = TMeshSprite::CreateBare(15);
  SetScreenSize(Sprite->Mesh, 164, 48);
  iMeshTextureSet(Sprite->Mesh, textures_->BatTexture(1));
}

void TBita::Init(const TFieldTextures& textures) {
  textures_ = &textures;
  CreateSoundsAndFlames();
  for (TBitaMissile& missile : Missiles) missile.Init(textures);
  CreateSprite();
  Size = 1;
  HalfHeight = 0.96L;
  HalfWidth = 3.28L;
  Blinking = Exploding = Running = false;
  Growing = true;
  Transformation = Pending = CapsuleKind::None;
  for (TExplo& piece : Debris) piece.Init(textures);
  FallSpeed = 0;
}

void TBita::RebuildMeshes() {
  CreateSoundsAndFlames();
  for (TBitaMissile& missile : Missiles) missile.RebuildMeshes();
  if (Sprite != nullptr) Sprite->Discard();
  CreateSprite();
  for (TExplo& piece : Debris) piece.RebuildMesh();
  // The sprite comes back in the shape the bat is in, not the normal one.
  if (Exploding) {
    ShowExplosionFrame(std::clamp(Frame, 1, 5));
  } else if (Running) {
    ShowAnimationFrame(Size, Frame);
  } else {
    ShowShape(Size, Blinking);
    ApplySize(Size, Blinking ? 2 : 1);
  }
  PlaceMesh();
}

void TBita::SetTexture(int n) const {
  iMeshTextureReset(Sprite->Mesh);
  iMeshTextureSet(Sprite->Mesh, textures_->BatTexture(n));
}

void TBita::ShowShape(int size, bool blinking) {
  SetTexture(ShapeOf(size).texture + (blinking ? 1 : 0));
}

void TBita::ApplySize(int size, int look) {
  const Shape& shape = ShapeOf(size);
  SetScreenSize(Sprite->Mesh, shape.width, look == 2 ? shape.blinkHeight : shape.height);
  HalfWidth = shape.halfWidth;
  HalfHeight = shape.halfHeight;
}

void TBita::ShowExplosionFrame(int frame) {
  SetTexture(22 + frame);
  SetScreenSize(Sprite->Mesh, kExplosionMeshes[frame - 1][0], kExplosionMeshes[frame - 1][1]);
}

void TBita::ShowAnimationFrame(int animation, int frame) {
  SetTexture(3 * animation + 7 + frame);
  // Only the wide shape grows through two in-between meshes.
  if (animation == 2) {
    SetScreenSize(Sprite->Mesh, frame == 1 ? 201.0f : 243.0f, 49);
    HalfWidth = frame == 1 ? 4.0L : 4.84L;
    HalfHeight = 0.96L;
  }
}

void TBita::PlaceMesh() const {
  PlaceAtFieldPoint(Sprite->Mesh, X, Y);
}

FieldRect TBita::Rect() const {
  return {static_cast<double>(Y + HalfHeight), static_cast<double>(X - HalfWidth),
          static_cast<double>(Y - HalfHeight), static_cast<double>(X + HalfWidth)};
}

void TBita::PlayBonusSound(CapsuleKind kind) const {
  const int index = static_cast<int>(kind);
  if (index >= 1 && index <= kCapsuleKinds)
    iSoundPlayNow(sounds_[static_cast<std::size_t>(index)], 0);
}

void TBita::Blink(std::uint32_t tick) {
  if (Blinking || Running) return;
  ShowShape(Size, true);
  ApplySize(Size, 2);
  Blinking = true;
  Tick = tick;
}

void TBita::StartRevert() {
  Running = true;
  Growing = false;
  Size -= 1;
  Frame = 3;
}

void TBita::Transform(CapsuleKind kind, TGameCounters& counters, std::uint32_t tick) {
  if (kind == Transformation) return;
  if (Running || Transformation != CapsuleKind::None) {
    Pending = kind;
    if (!Running) StartRevert();
    return;
  }
  Running = true;
  Growing = true;
  const CapsuleRule& rule = RuleOf(kind);
  Size = rule.shape;
  Frame = 1;
  ShowAnimationFrame(Size, Frame);
  Tick = tick;
  ModeTimer = kCapsuleSeconds;
  counters.AddScore(rule.points);
  Transformation = kind;
}

void TBita::ResetForLife() {
  FallSpeed = 0;
  Sprite->Show();
  for (TBitaMissile& missile : Missiles) missile.Remove();
  for (const TExplo& piece : Debris) piece.Sprite->Hide();
  Size = 1;
  ShowShape(1, false);
  X = 19;
  Y = -10;
  PlaceMesh();
  Exploding = Blinking = Running = false;
  Transformation = Pending = CapsuleKind::None;
  ApplySize(1, 1);
}

void TBita::StartOver() {
  Tick = 0;
  Frame = 0;
  ModeTimer = 15;
  MissileSide = false;
  Movement = InputDirection = mvStill;
  for (TExplo& piece : Debris) piece.Reset();
}

void TBita::HideAll() const {
  Sprite->Hide();
  for (const TBitaMissile& missile : Missiles) missile.Sprite->Hide();
  for (const TExplo& piece : Debris) piece.Sprite->Hide();
}

void TBita::Animate(std::uint32_t tick) {
  if (!Running || tick - Tick <= 100) return;
  Tick = tick;
  if (Growing) {
    if (++Frame < 3) {
      ShowAnimationFrame(Size, Frame);
      return;
    }
    Running = false;
    ApplySize(Size + 1, 1);
    Size += 1;
    Growing = false;
    ShowShape(Size, false);
    return;
  }
  if (--Frame > 0) {
    ShowAnimationFrame(Size, Frame);
    return;
  }
  Running = false;
  ApplySize(1, 1);
  Size = 1;
  Growing = false;
  Transformation = CapsuleKind::None;
  ShowShape(1, false);
}

BatOutcome TBita::Update(const FrameStep& step, const BatControls& controls,
                         std::array<TBubble, 20>& balls, TGameCounters& counters,
                         const std::vector<TBlock>& bricks, const std::array<TEnemy, 9>& enemies,
                         FieldContacts& contacts) {
  const std::uint32_t t = step.tick;
  if (!Exploding) {
    bool anyBall = false;
    for (const TBubble& ball : balls) anyBall = anyBall || ball.Active;
    if (!anyBall) {
      Frame = 1;
      ShowExplosionFrame(Frame);
      Exploding = true;
      iSoundPlayNow(sounds_[0], 0);
      Tick = 0;  // the next picture comes at once
    }
  }
  if (Exploding) return Explode(step);

  Animate(t);
  if (!Running && ModeTimer > 0) {
    ModeTimer -= step.k * 0.013L;
    if (ModeTimer < 0) {
      if (ShapesTheBat(Transformation)) {
        StartRevert();
      } else {
        Transformation = CapsuleKind::None;
      }
    }
  }
  // The gun turns back as soon as it is out of missiles.
  if (!Running && Transformation == CapsuleKind::GunBat && counters.GetMissiles() == 0) {
    StartRevert();
  }
  if (Transformation == CapsuleKind::None && !Running && Pending != CapsuleKind::None) {
    const CapsuleKind kind = Pending;
    PlayBonusSound(kind);
    counters.SetMissiles(counters.GetMissiles() + RuleOf(kind).missiles);
    Transform(kind, counters, t);
    Pending = CapsuleKind::None;
  }
  if (Blinking && t - Tick > 30) {
    Blinking = false;
    ShowShape(Size, false);
    ApplySize(Size, 1);
  }
  for (TBitaMissile& missile : Missiles) {
    if (missile.Active) missile.Update(step.k, Exploding, bricks, enemies, contacts);
  }
  Steer(step, controls, balls);
  if (controls.launch) LaunchAndFire(counters, balls);
  Exhausts();
  return {false, true};
}

BatOutcome TBita::Explode(const FrameStep& step) {
  if (step.tick - Tick > 100) {
    Tick = step.tick;
    if (++Frame > 5) {
      Sprite->Hide();
      for (TBitaMissile& missile : Missiles) missile.Remove();
    } else {
      ShowExplosionFrame(Frame);
    }
  }
  Y -= step.k * (FallSpeed + 0.02L);
  FallSpeed += 0.002L;
  PlaceMesh();
  if (Y < -15) return {true, false};
  ScatterDebris(step);
  return {false, false};
}

void TBita::ScatterDebris(const FrameStep& step) {
  for (TExplo& piece : Debris) {
    if (piece.Active && Random(4) != 0) {
      piece.Update(step.tick);
      piece.Y -= step.k * 0.02L;
      piece.PlaceMesh();
      continue;
    }
    if (piece.Active) piece.Reset();
    // Placed anew somewhere around the falling bat.
    const long double dx = (Random(2) == 0 ? 1 : -1) * Random(50) / 10.0L;
    const long double dy = (Random(2) == 0 ? 1 : -1) * Random(20) / 10.0L;
    piece.X = X + dx;
    piece.Y = Y + dy;
    piece.PlaceMesh();
    piece.Active = true;
    piece.Sprite->Show();
  }
}

void TBita::FlameBurst(Flame flame, long double dx, long double dy) const {
  Burst(flames_[static_cast<std::size_t>(flame)], ParticlePoint(X + dx, Y + dy));
}

void TBita::EngineExhausts(long double inner, long double outer) const {
  FlameBurst(kLowerLeft1, -inner, -1.4L);
  FlameBurst(kLowerLeft2, -outer, -1.1L);
  FlameBurst(kLowerRight1, inner, -1.4L);
  FlameBurst(kLowerRight2, outer, -1.1L);
}

void TBita::EntryBursts() const {
  EngineExhausts(1.8L, 2.2L);
  FlameBurst(kLeftJet, 3.0L, 0.1L);
}

void TBita::Exhausts() const {
  FlameBurst(kMain, 0, -1.2L);
  switch (Transformation) {
    case CapsuleKind::NarrowBat:
      EngineExhausts(0.9L, 1.1L);
      break;
    case CapsuleKind::WideBat:
      EngineExhausts(3.2L, 3.9L);
      break;
    case CapsuleKind::GunBat:
      break;  // the gun has no engine exhausts
    default:
      EngineExhausts(1.8L, 2.2L);
      break;
  }
}

void TBita::Steer(const FrameStep& step, const BatControls& controls,
                  std::array<TBubble, 20>& balls) {
  const long double pointer = controls.pointer;
  if (controls.windowed) {
    // In a window the bat keeps the direction the mouse started until a frame begins with the
    // pointer at rest in the centre.
    if (InputDirection == mvStill) {
      InputDirection = pointer == 0 ? mvStill : pointer < 0 ? mvLeft : mvRight;
    }
  } else {
    InputDirection = pointer < 0 ? mvLeft : pointer > 0 ? mvRight : mvStill;
  }
  // The jets sit further out on the wide bat, closer in on the narrow one; the gun has none.
  const long double jet = Transformation == CapsuleKind::NarrowBat ? 1.5L
                          : Transformation == CapsuleKind::WideBat ? 5.7L
                                                                   : 3.0L;
  const bool jets = Transformation != CapsuleKind::GunBat;
  // After a stall the move is cut into steps of at most two ordinary ones, each tested against
  // the field's edge, so the bat (and the ball it holds) never flies out of the field.
  const int steps = SubSteps(step.k, 2);
  const long double move = kBatSpeed * step.k / steps;
  // The keys and the mouse move the bat at full speed, a stick at the share it is pushed.
  const long double left =
      controls.leftKey || InputDirection == mvLeft ? 1 : std::max(0.0L, -controls.stick);
  const long double right =
      controls.rightKey || InputDirection == mvRight ? 1 : std::max(0.0L, controls.stick);
  if (left > 0 && X > -kBatTravelLimit) {
    Movement = mvLeft;
    if (jets) FlameBurst(kLeftJet, jet, 0.1L);
    for (int i = 0; i < steps && X > -kBatTravelLimit; ++i) Slide(-move * left, balls);
  }
  if (right > 0 && X < kBatTravelLimit) {
    Movement = mvRight;
    if (jets) FlameBurst(kRightJet, -jet, 0.1L);
    for (int i = 0; i < steps && X < kBatTravelLimit; ++i) Slide(move * right, balls);
  }
  if (left == 0 && right == 0) Movement = mvStill;
  if (pointer == 0) InputDirection = mvStill;
}

void TBita::Slide(long double dx, std::array<TBubble, 20>& balls) {
  X += dx;
  PlaceMesh();
  for (TBubble& ball : balls) {
    if (ball.Active && !ball.Launched) {
      ball.X += dx;
      ball.PlaceMesh();
    }
  }
}

void TBita::LaunchAndFire(TGameCounters& counters, std::array<TBubble, 20>& balls) {
  for (TBubble& ball : balls) {
    if (!ball.Active || ball.Launched) continue;
    ball.Launched = true;
    const long double sign = Random(2) == 0 ? 1 : -1;
    const int n = Random(10);
    ball.Angle = (n / 10.0L + 0.1L) * sign;
    ball.Speed = kNormalBallSpeed;
  }
  if (counters.GetMissiles() <= 0 || Transformation != CapsuleKind::GunBat) return;
  MissileSide = !MissileSide;
  for (TBitaMissile& missile : Missiles) {
    if (missile.Active) continue;
    missile.Fire(MissileSide ? X + 1.5L : X - 1.5L, Y);
    counters.SetMissiles(counters.GetMissiles() - 1);
    return;
  }
}
