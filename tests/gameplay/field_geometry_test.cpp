// The rectangle test every collision uses, and the contact regions and bounces of the ball.
#include "gameplay/FieldGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(RectsOverlap, CornersAndTouchingEdgesCountACrossDoesNot) {
  // Rectangles are {top, left, bottom, right}.
  const FieldRect square{1, 0, 0, 1};
  const struct {
    const char* what;
    FieldRect other;
    bool overlaps;
  } cases[] = {
      {"corners overlap", {1.5, 0.5, 0.5, 1.5}, true},
      {"edges touch", {1, 1, 0, 2}, true},
      {"corners touch", {2, 1, 1, 2}, true},
      {"one inside the other", {0.8, 0.2, 0.2, 0.8}, true},
      {"apart by a hair", {1, 1.0001, 0, 2}, false},
      {"a thin bar right across it", {3, 0.4, -2, 0.6}, false},
  };
  const FieldRect wideFlat{0.6, -2, 0.4, 3};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RectsOverlap(square, c.other), c.overlaps);
    EXPECT_EQ(RectsOverlap(c.other, square), c.overlaps);
  }
  EXPECT_FALSE(RectsOverlap({3, 0.4, -2, 0.6}, wideFlat)) << "a cross";
}

// A brick-sized box at the origin: half-height 0.8, half-width 0.6, a ball of radius 0.4.
TEST(ContactBounce, RegionsInOrderAndCornerRules) {
  constexpr long double r = 0.4L;
  const long double downRight = 3 * kPi / 4, upRight = kPi / 4, downLeft = 5 * kPi / 4;
  const struct {
    const char* what;
    ContactBox box;
    long double px, py, angle;
    Bounce bounce;
  } cases[] = {
      {"below", {0, 0, 0.8L, 0.6L}, 0, -1.0L, upRight, Bounce::Vertical},
      {"above", {0, 0, 0.8L, 0.6L}, 0.65L, 1.0L, downRight, Bounce::Vertical},
      {"left", {0, 0, 0.8L, 0.6L}, -0.8L, 0.9L, downRight, Bounce::Horizontal},
      {"right", {0, 0, 0.8L, 0.6L}, 0.8L, -0.5L, downLeft, Bounce::Horizontal},
      {"inside the box: no band", {0, 0, 0.8L, 0.6L}, 0, 0, downRight, Bounce::None},
      {"out of reach", {0, 0, 0.8L, 0.6L}, 2, 2, downRight, Bounce::None},
      // Top-left corner, both neighbours free: into the corner goes back, else by the angle.
      {"top-left, into it", {0, 0, 0.8L, 0.6L}, -0.8L, 1.0L, downRight, Bounce::Back},
      {"top-left, rising", {0, 0, 0.8L, 0.6L}, -0.8L, 1.0L, upRight, Bounce::Vertical},
      {"top-left, going left", {0, 0, 0.8L, 0.6L}, -0.8L, 1.0L, downLeft, Bounce::Horizontal},
      // One neighbour taken: only the face beside the free one can be met.
      {"top-left, left taken",
       {0, 0, 0.8L, 0.6L, false, true},
       -0.8L,
       1.0L,
       downRight,
       Bounce::Vertical},
      {"top-left, above taken",
       {0, 0, 0.8L, 0.6L, true, false},
       -0.8L,
       1.0L,
       downRight,
       Bounce::Horizontal},
      {"top-left, both taken",
       {0, 0, 0.8L, 0.6L, true, true},
       -0.8L,
       1.0L,
       downRight,
       Bounce::Back},
      // The top-left corner reaches up 1.21 r, the top-right one 1.41 r.
      {"top-left, above its reach",
       {0, 0, 0.8L, 0.6L},
       -0.8L,
       0.8L + 1.3L * r,
       downRight,
       Bounce::None},
      {"top-right, same height", {0, 0, 0.8L, 0.6L}, 0.8L, 0.8L + 1.3L * r, downLeft, Bounce::Back},
      {"bottom-right, into it", {0, 0, 0.8L, 0.6L}, 0.8L, -1.0L, 7 * kPi / 4, Bounce::Back},
      {"bottom-left, into it", {0, 0, 0.8L, 0.6L}, -0.8L, -1.0L, upRight, Bounce::Back},
      {"farthest corner point",
       {0, 0, 0.8L, 0.6L},
       0.6L + 1.41L * r,
       0.8L + 1.41L * r,
       downLeft,
       Bounce::Back},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ContactBounce(c.box, r, c.px, c.py, c.angle), c.bounce);
  }
}

TEST(Deflect, TurnsByTheBounceAndTheDeviation) {
  const long double a = kPi / 3, d = 0.1L;
  EXPECT_DOUBLE_EQ(static_cast<double>(Deflect(a, Bounce::Vertical, d)),
                   static_cast<double>(kPi - a + d));
  EXPECT_DOUBLE_EQ(static_cast<double>(NormalAngle(Deflect(a, Bounce::Horizontal, d))),
                   static_cast<double>(2 * kPi - a + d));
  EXPECT_DOUBLE_EQ(static_cast<double>(Deflect(a, Bounce::Back, d)),
                   static_cast<double>(a + kPi + d));
  EXPECT_NEAR(static_cast<double>(NormalAngle(-kPi / 2)), static_cast<double>(3 * kPi / 2), 1e-15);
  EXPECT_NEAR(static_cast<double>(NormalAngle(9 * kPi / 2)), static_cast<double>(kPi / 2), 1e-15);
}

TEST(CellsNear, HoldsEveryCellWhoseBrickThePointCouldTouch) {
  // Points of the field and beyond on a fine grid, against the bricks of the cells around them
  // (a brick four cells away is out of any reach).
  for (long double x = -17.5L; x <= 17.5L; x += 0.037L) {
    for (long double y = -13.5L; y <= 13.5L; y += 0.041L) {
      const CellWindow window = CellsNear(x, y);
      const int nearColumn = static_cast<int>((x + 15.2L) / 1.6L) + 1;
      const int nearRow = static_cast<int>((11.4L - y) / 1.2L) + 1;
      for (int row = nearRow - 4; row <= nearRow + 4; ++row) {
        for (int column = nearColumn - 4; column <= nearColumn + 4; ++column) {
          const ContactBox brick{(column - 1) * 1.6L - 15.2L, 11.4L - (row - 1) * 1.2L, 0.8L, 0.6L};
          if (NearBox(brick, 0.4L, x, y) && !window.Holds(row, column)) {
            FAIL() << "(" << static_cast<double>(x) << ", " << static_cast<double>(y)
                   << ") misses row " << row << " column " << column;
          }
        }
      }
    }
  }
  EXPECT_FALSE(CellsNear(std::numeric_limits<long double>::quiet_NaN(), 0).Holds(1, 1));
}

}  // namespace
