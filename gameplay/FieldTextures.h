// Every texture of the playing field, loaded from the picture archives. The field objects keep a
// pointer to the one table and look their pictures up when they change them, so reloading the
// table after an engine restart is all a rebuild needs. Numbers count from 1, as the pictures are
// known in the game: brick texture 1 is frame 0 of "data\BlocksStatic.dat".
#pragma once

#include <array>

#include "engine/impact.h"

struct TFieldTextures {
  // Loads every table from its archive (a missing picture leaves 0, which draws nothing).
  void Load();

  iHandle BrickTexture(int n) const { return Pick(Brick, n); }
  // Frame f (1..3) of brick animation a (1..3).
  iHandle BrickAnimation(int a, int f) const { return Pick(Pick(BrickAnim, a), f); }
  iHandle Explosion(int n) const { return Pick(Explo, n); }
  iHandle Background(int n) const { return Pick(Back, n); }
  // Frame f (1..5) of enemy kind k (1..3).
  iHandle EnemyTexture(int k, int f) const { return Pick(Pick(Enemy, k), f); }
  iHandle BonusTexture(int n) const { return Pick(Bonus, n); }
  // 1..27 the bat's shapes, animations and explosion; 28 the missile.
  iHandle BatTexture(int n) const { return Pick(Bat, n); }
  iHandle InterfaceTexture(int n) const { return Pick(Interface, n); }
  // 1..3 the wall pieces of the three level styles, 4 their overlay.
  iHandle WallTexture(int n) const { return Pick(Wall, n); }

  std::array<iHandle, 14> Brick{};
  std::array<std::array<iHandle, 3>, 3> BrickAnim{};
  std::array<iHandle, 16> Explo{};
  std::array<iHandle, 3> Back{};
  std::array<std::array<iHandle, 5>, 3> Enemy{};
  std::array<iHandle, 12> Bonus{};
  std::array<iHandle, 28> Bat{};
  std::array<iHandle, 3> Interface{};
  std::array<iHandle, 4> Wall{};
  iHandle Ball = 0;
  iHandle BallArmored = 0;

 private:
  // Entry n (from 1) of a table; the first one for a number out of range.
  template <typename T, std::size_t N>
  static const T& Pick(const std::array<T, N>& table, int n) {
    return table[n >= 1 && static_cast<std::size_t>(n) <= N ? static_cast<std::size_t>(n - 1) : 0];
  }
};
