// TBubble: a ball. The game has twenty slots; a slot is inactive, or holds a ball held on the bat
// or flying. A flying ball moves along its angle at its speed, bounces off the top and side
// walls, the bat, enemies and bricks with a small random deviation, damages what it hits and is
// lost below y = -15 or beyond |x| = 17 (gameplay/FieldGeometry.h). Bonuses give it a timed mode: 2
// changed speed, 3 armoured (through breakable bricks and enemies, trailing flames).
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/MeshSprite.h"
#include "gameplay/FieldContacts.h"
#include "gameplay/FieldGeometry.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/FrameStep.h"
#include "gameplay/LevelGrid.h"
#include "gameplay/ParticleSets.h"

class TBita;
class TBlock;
class TEnemy;

enum BallMode : std::int32_t { bmNormal = 0, bmSpeed = 2, bmArmored = 3 };

// A ball's speed in field units a frame-factor unit, outside the speed capsules' modes.
inline constexpr long double kNormalBallSpeed = 0.2L;

class TBubble {
 public:
  void Init(const TFieldTextures& textures);
  void RebuildMeshes();
  void PlaceMesh() const;
  // One playing frame of the slot (also when inactive: the mode timer runs for every slot).
  void Update(const FrameStep& step, TBita& bat, const std::vector<TBlock>& bricks,
              const std::array<TEnemy, 9>& enemies, const TLevelGrid& grid,
              FieldContacts& contacts);
  // Whether the ball's next position touches the box. With reflect the ball also turns (with a
  // random deviation of up to 0.2 radians either way) and makes one step along the new angle.
  bool CollideBox(bool reflect, const ContactBox& box, long double k) {
    return Collide(reflect, box, k) != Bounce::None;
  }
  // The plain or the armoured picture.
  void SetTexture(bool armored) const;
  void Show() const { Sprite->Show(); }
  void Hide() const { Sprite->Hide(); }

  TMeshSprite* Sprite = nullptr;
  long double X = 0, Y = 0;
  long double Radius = 0.4L;
  long double Angle = 0;
  long double Speed = kNormalBallSpeed;
  bool Launched = false;
  bool Active = false;
  long double ModeTimer = 0;
  std::int32_t Mode = bmNormal;

 private:
  struct Point {
    long double x, y;
  };
  // The direction of the current angle, worked out again only when the angle has changed.
  void Aim();
  // Where one free step along the angle leads.
  Point NextPosition(long double k);
  // One free step along the angle, with the mesh.
  void StepAhead(long double k);
  void CreateMeshes();
  void PlaySound(int index, bool soundOn) const;
  // One step of the flight: walls, the bat, enemies, bricks, then the free step and the loss.
  // False when the ball is held by the catcher or lost: the frame's flight ends there.
  bool Move(const FrameStep& step, TBita& bat, const std::vector<TBlock>& bricks,
            const std::array<TEnemy, 9>& enemies, const TLevelGrid& grid, FieldContacts& contacts);
  // CollideBox, telling which way the ball turned (None: no contact).
  Bounce Collide(bool reflect, const ContactBox& box, long double k);
  // The bounce off the bat, shaped by the bat's movement. False when the catcher holds it.
  bool BounceOffBat(TBita& bat, Bounce bounce, std::uint32_t tick, bool soundOn);
  // [1..9] brick hits, [10] walls, bat and hard bricks, [11..13] enemies by kind.
  std::array<iHandle, 14> sounds_{};
  FlameSet trail_;
  long double aimedAngle_ = std::numeric_limits<long double>::quiet_NaN();
  Point direction_{0, 1};
  const TFieldTextures* textures_ = nullptr;
};
