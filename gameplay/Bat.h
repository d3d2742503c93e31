// TBita: the player's bat. It moves along the bottom of the field with the arrow keys or the
// mouse, holds and launches balls, changes shape for 15 seconds when a shaping capsule is caught
// (wide, catcher, narrow, gun), fires missiles in its gun shape, and explodes and falls
// out of the field when the last ball is lost. Shapes (sizes): 1 normal, 2 narrow, 3 wide, 4 gun,
// 5 catcher; during a transformation `Size` is the index of the running animation.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/MeshSprite.h"
#include "gameplay/Ball.h"
#include "gameplay/Capsules.h"
#include "gameplay/Counters.h"
#include "gameplay/Explosion.h"
#include "gameplay/FieldContacts.h"
#include "gameplay/FieldTextures.h"
#include "gameplay/FrameStep.h"
#include "gameplay/Missile.h"
#include "gameplay/ParticleSets.h"

class TBlock;
class TEnemy;

enum BatMovement : std::uint8_t { mvStill = 0, mvLeft = 1, mvRight = 2 };

// The player's input for the bat this frame.
struct BatControls {
  bool leftKey = false;   // left arrow held
  bool rightKey = false;  // right arrow held
  bool launch = false;    // Space or a Ctrl key clicked, or a left click
  // A pad's stick: -1 (left) to 1 (right), the share of the keys' speed the bat moves at.
  long double stick = 0;
  bool windowed = true;
  // Windowed: the system pointer's x minus half the screen width, in pixels. Full screen: the
  // engine mouse's x in print units (x * 32 - 16). 0 is the centre either way.
  long double pointer = 0;
};

// What the bat's frame did, for the field.
struct BatOutcome {
  // The exploded bat has fallen out of the field: a life is lost.
  bool fellOut = false;
  // The bat read its controls: the pointer is to be put back to the centre.
  bool steered = false;
};

class TBita {
 public:
  void Init(const TFieldTextures& textures);
  // New sounds, flames, missiles, sprite and debris after an engine restart.
  void RebuildMeshes();
  BatOutcome Update(const FrameStep& step, const BatControls& controls,
                    std::array<TBubble, 20>& balls, TGameCounters& counters,
                    const std::vector<TBlock>& bricks, const std::array<TEnemy, 9>& enemies,
                    FieldContacts& contacts);
  // The shaping half of a capsule (kinds 6, 8, 9, 12): the same shape again changes nothing; a
  // new shape while another is on or changing waits until the bat is back to normal; else the
  // animation starts, with the capsule's points.
  void Transform(CapsuleKind kind, TGameCounters& counters, std::uint32_t tick);
  // A capsule's sound (whatever the sound-effects setting).
  void PlayBonusSound(CapsuleKind kind) const;
  // The hit flash of a ball bouncing off it (not while blinking or changing shape).
  void Blink(std::uint32_t tick);
  // Starts the animation back to the normal shape.
  void StartRevert();
  void PlaceMesh() const;
  // The mesh and the half-extents of a shape, normal (look 1) or blinking (look 2).
  void ApplySize(int size, int look);
  // The normal or blinking picture of a shape.
  void ShowShape(int size, bool blinking);
  // A new life: back to the normal shape off to the right, missiles and debris gone.
  void ResetForLife();
  // A new game: the timers, the shape's time, the barrel and the debris as made.
  void StartOver();
  void Show() const { Sprite->Show(); }
  void Hide() const { Sprite->Hide(); }
  // Hides the sprite, the missiles and the debris (leaving for the menus).
  void HideAll() const;
  FieldRect Rect() const;
  // The bursts of the sliding entry: the four engine exhausts and the left-move jet.
  void EntryBursts() const;

  TMeshSprite* Sprite = nullptr;
  long double X = 0, Y = -10;
  long double HalfHeight = 0.96L;
  long double HalfWidth = 3.28L;
  bool Blinking = false;
  bool Running = false;  // a transformation animation runs
  bool Growing = true;   // towards the new shape (clear: back to normal)
  std::int32_t Size = 1;
  std::int32_t Frame = 0;
  bool Exploding = false;
  CapsuleKind Transformation = CapsuleKind::None;  // the capsule kind that shaped the bat
  CapsuleKind Pending = CapsuleKind::None;         // a shape to take once the bat is back to normal
  long double ModeTimer = 15;                      // seconds left of the current shape
  std::uint8_t InputDirection = mvStill;
  std::array<TExplo, 30> Debris;
  std::array<TBitaMissile, 10> Missiles;
  bool MissileSide = false;  // set: the next shot from the right barrel
  std::uint8_t Movement = mvStill;
  long double FallSpeed = 0;
  std::uint32_t Tick = 0;  // millisecond tick of the last animation step

 private:
  enum Flame { kMain, kLowerLeft1, kLowerLeft2, kRightJet, kLowerRight1, kLowerRight2, kLeftJet };

  void CreateSoundsAndFlames();
  void CreateSprite();
  void SetTexture(int n) const;
  // Frame f of animation a, with the wide animation's in-between meshes.
  void ShowAnimationFrame(int animation, int frame);
  // Picture f (1..5) of the explosion.
  void ShowExplosionFrame(int frame);
  // The exploded bat's fall and its debris.
  BatOutcome Explode(const FrameStep& step);
  void ScatterDebris(const FrameStep& step);
  void Animate(std::uint32_t tick);
  void Steer(const FrameStep& step, const BatControls& controls, std::array<TBubble, 20>& balls);
  // The bat and the balls it holds move by dx.
  void Slide(long double dx, std::array<TBubble, 20>& balls);
  void LaunchAndFire(TGameCounters& counters, std::array<TBubble, 20>& balls);
  void Exhausts() const;
  // The four engine exhausts' bursts: the first pair `inner` to each side of the centre, the
  // second pair `outer`.
  void EngineExhausts(long double inner, long double outer) const;
  void FlameBurst(Flame flame, long double dx, long double dy) const;

  std::array<iHandle, 13> sounds_{};  // [0] the explosion, [1..12] one per capsule kind
  std::array<FlameSet, 7> flames_{};
  const TFieldTextures* textures_ = nullptr;
};
