// Field units and the contact tests every collision of the game uses.
//
// Field units: 25 screen pixels a unit, x from -16 (left screen edge) to +16, y from -12
// (bottom) to +12 (top), origin at the screen centre. Angles are radians clockwise from straight
// up: 0 moves up, pi/2 right, pi down, 3 pi/2 left.
#pragma once

#include "engine/impact.h"

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;

// The field's limits: a ball is lost below y = -15 or beyond |x| = 17, a falling capsule below
// y = -14; the bat travels between x = -12 and 12 (the test is made before its step).
inline constexpr long double kBallLostBelow = -15, kBallLostBeyond = 17;
inline constexpr long double kCapsuleLostBelow = -14;
inline constexpr long double kBatTravelLimit = 12;

// A rectangle for RectsOverlap, y up (top > bottom).
struct FieldRect {
  double top = 0, left = 0, bottom = 0, right = 0;
};

// True when an edge of one rectangle ends inside the other in both directions, bounds
// inclusive: overlapping corners and touching edges count, a cross whose arms both reach past
// the other does not.
bool RectsOverlap(const FieldRect& a, const FieldRect& b);

// Places a mesh's centre at the field point (x, y): screen pixel (400 + 25 x, 300 - 25 y).
void PlaceAtFieldPoint(iHandle mesh, long double x, long double y);
// The particle-space point of the field point (x, y).
iVector3 ParticlePoint(long double x, long double y);

// A box the ball can touch: centre, half-height and half-width, and which of its four
// neighbouring cells are taken (a neighbour turns a corner contact into a plain side contact).
struct ContactBox {
  long double cx = 0, cy = 0, halfHeight = 0, halfWidth = 0;
  bool up = false, left = false, down = false, right = false;
};

// How a touching ball turns: V reflects its vertical motion, H its horizontal motion, B sends
// it back the way it came.
enum class Bounce { None, Vertical, Horizontal, Back };

// False when the point (px, py) lies too far from the box for any contact region: the cheap
// test that rules most boxes out before their neighbours are even looked up.
bool NearBox(const ContactBox& box, long double radius, long double px, long double py);

// The level grid on the field: the centre of the cell in column 1, row 1 (top left), and the
// size of a cell. Column c, row r is centred at (kGridLeft + (c - 1) kCellWidth,
// kGridTop - (r - 1) kCellHeight).
inline constexpr long double kGridLeft = -15.2L, kGridTop = 11.4L;
inline constexpr long double kCellWidth = 1.6L, kCellHeight = 1.2L;

// The grid cells (rows and columns from 1, row 1 at the top) whose bricks a ball about to reach (x,
// y) could touch; a superset, so bricks outside it can be skipped before the exact test.
struct CellWindow {
  int firstColumn, lastColumn, firstRow, lastRow;
  bool Holds(int row, int column) const {
    return column >= firstColumn && column <= lastColumn && row >= firstRow && row <= lastRow;
  }
};
CellWindow CellsNear(long double x, long double y);

// The bounce a ball of radius r gives when its centre is about to reach (px, py) moving along
// `angle`: the band of width r around the box is cut into eight regions, tested below, above,
// left, right, then the corners top-left, top-right, bottom-right, bottom-left; the first
// region the point (widened by 0.001) touches decides. None when the point touches no region.
Bounce ContactBounce(const ContactBox& box, long double radius, long double px, long double py,
                     long double angle);

// The new direction after a bounce with the deviation d.
long double Deflect(long double angle, Bounce bounce, long double deviation);

// The same direction in [0, 2 pi).
long double NormalAngle(long double angle);
