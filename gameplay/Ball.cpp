#include "gameplay/Ball.h"

#include <cmath>

#include "gameplay/Bat.h"
#include "gameplay/Brick.h"
#include "gameplay/Enemy.h"
#include "gameplay/Random.h"

namespace {

constexpr int kWallSound = 10;

const ContactBox kTopWall{0, 11.4L, 0.8L, 16};
const ContactBox kLeftWall{-15.2L, 2.1L, 9.9L, 0.8L};
const ContactBox kRightWall{15.2L, 2.1L, 9.9L, 0.8L};

}  // namespace

void TBubble::CreateMeshes() {
  trail_ = CreateFlames({{0, -100, 80}, 0.2f, {0, 0, 0}, {0.15f, 0.15f}, {0.15f, 0.15f}});
  for (int i = 1; i <= 9; ++i) sounds_[i] = iSoundCreate("sound\\Block1.wav", 0);
  sounds_[10] = iSoundCreate("sound\\Block10.wav", 0);
  sounds_[11] = iSoundCreate("sound\\Enemy1.wav", 0);
  sounds_[12] = iSoundCreate("sound\\Enemy2.wav", 0);
  sounds_[13] = iSoundCreate("sound\\Enemy3.wav", 0);
  Sprite = TMeshSprite::CreateBare(15);
  SetScreenSize(Sprite->Mesh, 100, 100);
}

void TBubble::Init(const TFieldTextures& textures) {
  textures_ = &textures;
  CreateMeshes();
  SetTexture(false);
  Launched = false;
  Active = false;
  Radius = 0.4L;
  Mode = bmNormal;
}

void TBubble::RebuildMeshes() {
  if (Sprite != nullptr) Sprite->Discard();
  CreateMeshes();
  SetTexture(Mode == bmArmored);
  PlaceMesh();
}

void TBubble::PlaceMesh() const {
  PlaceAtFieldPoint(Sprite->Mesh, X, Y);
}

void TBubble::SetTexture(bool armored) const {
  iMeshTextureReset(Sprite->Mesh);
  iMeshTextureSet(Sprite->Mesh, armored ? textures_->BallArmored : textures_->Ball);
}

void TBubble::PlaySound(int index, bool soundOn) const {
  if (soundOn) iSoundPlayNow(sounds_[static_cast<std::size_t>(index)], 0);
}

void TBubble::Aim() {
  if (Angle == aimedAngle_) return;
  aimedAngle_ = Angle;
  direction_ = {std::sin(Angle), std::cos(Angle)};
}

TBubble::Point TBubble::NextPosition(long double k) {
  Aim();
  return {X + direction_.x * Speed * k, Y + direction_.y * Speed * k};
}

void TBubble::StepAhead(long double k) {
  const Point next = NextPosition(k);
  X = next.x;
  Y = next.y;
  PlaceMesh();
}

Bounce TBubble::Collide(bool reflect, const ContactBox& box, long double k) {
  const Point next = NextPosition(k);
  const Bounce bounce = ContactBounce(box, Radius, next.x, next.y, Angle);
  if (bounce == Bounce::None || !reflect) return bounce;
  const long double sign = Random(2) == 0 ? 1 : -1;
  const long double deviation = sign * (Random(10) + 1) / 50.0L;
  // Kept in [0, 2 pi): the bat's angle limits and the corner rules read it in that range.
  Angle = NormalAngle(Deflect(Angle, bounce, deviation));
  StepAhead(k);
  return bounce;
}

bool TBubble::BounceOffBat(TBita& bat, Bounce bounce, std::uint32_t tick, bool soundOn) {
  if (bat.Transformation == CapsuleKind::CatcherBat) {
    // The catcher holds it until the player launches again.
    Launched = false;
    Y = bat.Y + bat.HalfHeight + Radius - 0.1L;
    PlaceMesh();
    return false;
  }
  bat.Blink(tick);
  if (bat.Movement == mvLeft) Angle -= kPi / 6;
  if (bat.Movement == mvRight) Angle += kPi / 6;
  Angle = NormalAngle(Angle);
  // Off the top the ball leaves no flatter than 45 degrees either way; one that met an end of the
  // bat from the side, or a corner from behind, goes on as it bounced (it falls past the bat).
  if (bounce == Bounce::Vertical) {
    if (Angle > kPi / 3 && Angle < kPi) {
      Angle = kPi / 4;
    } else if (Angle > kPi && Angle < 5 * kPi / 3) {
      Angle = 7 * kPi / 4;
    }
  }
  PlaySound(kWallSound, soundOn);
  return true;
}

void TBubble::Update(const FrameStep& step, TBita& bat, const std::vector<TBlock>& bricks,
                     const std::array<TEnemy, 9>& enemies, const TLevelGrid& grid,
                     FieldContacts& contacts) {
  if (ModeTimer > 0) {
    ModeTimer -= 0.013L;
    if (ModeTimer < 0) {
      if (Mode == bmSpeed) Speed = kNormalBallSpeed;
      if (Mode == bmArmored) SetTexture(false);
      Mode = bmNormal;
    }
  }
  if (!Launched) return;
  if (Mode == bmArmored) Burst(trail_, ParticlePoint(X, Y));
  // After a stall a frame would carry the ball far past whatever lies in its way: its motion is
  // cut into steps no longer than the band around a box in which a contact is seen (its radius),
  // so it meets every box on its way. An ordinary frame is one step.
  const int steps = SubSteps(Speed * step.k, Radius);
  FrameStep part = step;
  part.k = step.k / steps;
  for (int i = 0; i < steps; ++i) {
    if (!Move(part, bat, bricks, enemies, grid, contacts)) break;
  }
}

bool TBubble::Move(const FrameStep& step, TBita& bat, const std::vector<TBlock>& bricks,
                   const std::array<TEnemy, 9>& enemies, const TLevelGrid& grid,
                   FieldContacts& contacts) {
  const long double k = step.k;
  const bool armored = Mode == bmArmored;
  Angle = NormalAngle(Angle);

  if (CollideBox(true, kTopWall, k)) {
    PlaySound(kWallSound, step.soundOn);
    if (Y > 11) {
      Y = 5;
      PlaceMesh();
    }
    return true;
  }
  for (std::size_t i = 0; i < kWallPieces && i < bricks.size(); ++i) {
    if (CollideBox(false, bricks[i].Box(), k)) contacts.HitBrick(i);
  }
  if (CollideBox(true, kLeftWall, k)) {
    PlaySound(kWallSound, step.soundOn);
    if (X < -15) {
      X = -14;
      PlaceMesh();
    }
    return true;
  }
  if (CollideBox(true, kRightWall, k)) {
    PlaySound(kWallSound, step.soundOn);
    if (X > 15) {
      X = 14;
      PlaceMesh();
    }
    return true;
  }

  // Every test below overwrites `stopped`: only the last one decides the free step.
  bool stopped = false;
  bool batHit = false;
  if (Angle > kPi / 2 && Angle < 3 * kPi / 2 && Y > bat.Y) {
    const Bounce bounce = Collide(true, {bat.X, bat.Y, bat.HalfHeight, bat.HalfWidth}, k);
    stopped = batHit = bounce != Bounce::None;
    if (batHit && !BounceOffBat(bat, bounce, step.tick, step.soundOn)) return false;
  }
  if (!batHit) {
    for (std::size_t i = 0; i < enemies.size(); ++i) {
      const TEnemy& enemy = enemies[i];
      if (!enemy.Alive) continue;
      stopped = CollideBox(!armored, enemy.Box(), k);
      if (stopped) {
        PlaySound(kWallSound + enemy.Kind, step.soundOn);
        contacts.HitEnemy(i);
        if (armored) stopped = false;
        break;
      }
    }
    // The next position is the same for every brick until one is touched.
    const Point next = NextPosition(k);
    const CellWindow window = CellsNear(next.x, next.y);
    for (std::size_t i = kWallPieces; i < bricks.size(); ++i) {
      const TBlock& brick = bricks[i];
      if (!brick.Alive) continue;
      if (!window.Holds(brick.Row, brick.Column)) {
        stopped = false;
        continue;
      }
      ContactBox box = brick.Box();
      box.up = grid.Occupied(brick.Row - 1, brick.Column);
      box.down = grid.Occupied(brick.Row + 1, brick.Column);
      box.left = grid.Occupied(brick.Row, brick.Column - 1);
      box.right = grid.Occupied(brick.Row, brick.Column + 1);
      const int kind = brick.Kind;
      const bool passesThrough = armored && kind <= 9;
      stopped = CollideBox(!passesThrough, box, k);
      if (stopped) {
        PlaySound(kind <= 9 ? kind : kWallSound, step.soundOn);
        contacts.HitBrick(i);
        if (passesThrough) stopped = false;
        break;
      }
    }
  }
  if (!stopped) StepAhead(k);
  if (Y < kBallLostBelow || std::fabs(X) > kBallLostBeyond) {
    Launched = false;
    Active = false;
    Hide();
    return false;
  }
  return true;
}
