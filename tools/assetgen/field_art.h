// The pictures of the playing field: bricks and their overlays, side walls, the status bar and
// the play backgrounds. The help pages draw from the same functions.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

// Brick looks, in the order of the static brick archive.
enum class Brick {
  RedOneHit,
  GreenOneHit,
  BlueOneHit,
  TwoHit,
  ThreeHit,
  FourHit,
  Sliding,
  Spawner,
  ArmouredSpawner,
  Glint,
  MetalStyle1,
  MetalStyle2,
  MetalStyle3,
  Flash,
};

// Draws a brick into the 40 x 30 box at the origin; `phase` in 0..1 animates the light sweep,
// stud glow and arrows (0 = the still look).
void drawBrick(cairo_t* cr, Brick brick, double phase = 0);

std::vector<Bytes> blocksStaticArchive();
std::vector<Bytes> blockAnimArchive();
std::vector<Bytes> wallArchive();
std::vector<Bytes> interfaceArchive();
std::vector<Bytes> gameBackArchive();

}  // namespace assetgen
