#include "gameplay/FieldGeometry.h"

#include <algorithm>
#include <cmath>

#include "engine/MeshSprite.h"

namespace {

bool Within(double value, double low, double high) {
  return low <= value && value <= high;
}

// An edge of `inner` ends inside `outer` horizontally and vertically.
bool EdgesInside(const FieldRect& outer, const FieldRect& inner) {
  return (Within(inner.left, outer.left, outer.right) ||
          Within(inner.right, outer.left, outer.right)) &&
         (Within(inner.top, outer.bottom, outer.top) ||
          Within(inner.bottom, outer.bottom, outer.top));
}

FieldRect Region(long double left, long double right, long double bottom, long double top) {
  return {static_cast<double>(top), static_cast<double>(left), static_cast<double>(bottom),
          static_cast<double>(right)};
}

bool Between(long double value, long double low, long double high) {
  return low < value && value < high;
}

// A corner contact: back when the ball runs into the corner, else the side the angle favours.
// `vertical` is the upper or lower neighbour of the corner, `side` the left or right one; when
// exactly one is taken the ball can only have met the face beside the free one.
Bounce CornerBounce(int corner, bool vertical, bool side, long double angle) {
  if (vertical != side) return side ? Bounce::Vertical : Bounce::Horizontal;
  switch (corner) {
    case 0:  // top-left
      if (Between(angle, kPi / 2, kPi)) return Bounce::Back;
      return angle < kPi / 2 ? Bounce::Vertical : Bounce::Horizontal;
    case 1:  // top-right
      if (Between(angle, kPi, 3 * kPi / 2)) return Bounce::Back;
      return angle <= 3 * kPi / 2 ? Bounce::Horizontal : Bounce::Vertical;
    case 2:  // bottom-right
      if (Between(angle, 3 * kPi / 2, 2 * kPi)) return Bounce::Back;
      return angle <= kPi ? Bounce::Horizontal : Bounce::Vertical;
    default:  // bottom-left
      if (Between(angle, 0, kPi / 2)) return Bounce::Back;
      return angle < kPi ? Bounce::Vertical : Bounce::Horizontal;
  }
}

}  // namespace

bool RectsOverlap(const FieldRect& a, const FieldRect& b) {
  return EdgesInside(a, b) || EdgesInside(b, a);
}

void PlaceAtFieldPoint(iHandle mesh, long double x, long double y) {
  SetScreenPos(mesh, static_cast<float>(400 + 25 * x), static_cast<float>(300 - 25 * y));
}

iVector3 ParticlePoint(long double x, long double y) {
  return {static_cast<float>(x * 3.12L), static_cast<float>(y * 3), 1.5f};
}

bool NearBox(const ContactBox& box, long double radius, long double px, long double py) {
  // No region reaches further than 1.41 r from the box; the slack covers the probe's 0.001 and
  // the rounding of the regions to doubles.
  constexpr long double kSlack = 0.0011L;
  const long double reach = 1.41L * radius + kSlack;
  return px >= box.cx - box.halfWidth - reach && px <= box.cx + box.halfWidth + reach &&
         py >= box.cy - box.halfHeight - reach && py <= box.cy + box.halfHeight + reach;
}

CellWindow CellsNear(long double x, long double y) {
  // A brick's contact reaches 1.17 across and 1.37 up and down from its centre: a column and two
  // rows either way; one more each way keeps the window safe from rounding.
  const long double column = (x - kGridLeft) / kCellWidth + 1;
  const long double row = (kGridTop - y) / kCellHeight + 1;
  if (!std::isfinite(column) || !std::isfinite(row)) return {1, 0, 1, 0};  // holds nothing
  const auto cell = [](long double at) { return static_cast<int>(std::clamp(at, -99.0L, 99.0L)); };
  return {cell(column) - 2, cell(column) + 2, cell(row) - 3, cell(row) + 3};
}

Bounce ContactBounce(const ContactBox& box, long double radius, long double px, long double py,
                     long double angle) {
  if (!NearBox(box, radius, px, py)) return Bounce::None;
  const long double r = radius, f = box.halfWidth, e = box.halfHeight;
  const long double cx = box.cx, cy = box.cy;
  const FieldRect probe = Region(px - 0.001L, px + 0.001L, py - 0.001L, py + 0.001L);
  const FieldRect sides[4] = {
      Region(cx - f - r / 4, cx + f + r / 4, cy - e - r, cy - e),  // below
      Region(cx - f - r / 4, cx + f + r / 4, cy + e, cy + e + r),  // above
      Region(cx - f - r, cx - f, cy - e - r / 4, cy + e + r / 4),  // left
      Region(cx + f, cx + f + r, cy - e - r / 4, cy + e + r / 4),  // right
  };
  for (int i = 0; i < 4; ++i) {
    if (RectsOverlap(probe, sides[i])) return i < 2 ? Bounce::Vertical : Bounce::Horizontal;
  }
  // The top-left corner reaches up 1.21 r where the others reach 1.41 r.
  const FieldRect corners[4] = {
      Region(cx - f - 1.41L * r, cx - f, cy + e, cy + e + 1.21L * r),  // top-left
      Region(cx + f, cx + f + 1.41L * r, cy + e, cy + e + 1.41L * r),  // top-right
      Region(cx + f, cx + f + 1.41L * r, cy - e - 1.41L * r, cy - e),  // bottom-right
      Region(cx - f - 1.41L * r, cx - f, cy - e - 1.41L * r, cy - e),  // bottom-left
  };
  const bool vertical[4] = {box.up, box.up, box.down, box.down};
  const bool side[4] = {box.left, box.right, box.right, box.left};
  for (int i = 0; i < 4; ++i) {
    if (RectsOverlap(probe, corners[i])) return CornerBounce(i, vertical[i], side[i], angle);
  }
  return Bounce::None;
}

long double Deflect(long double angle, Bounce bounce, long double deviation) {
  switch (bounce) {
    case Bounce::Vertical:
      return kPi - angle + deviation;
    case Bounce::Horizontal:
      return 4 * kPi - angle + deviation;
    case Bounce::Back:
      return angle + kPi + deviation;
    case Bounce::None:
      break;
  }
  return angle;
}

long double NormalAngle(long double angle) {
  angle = std::fmod(angle, 2 * kPi);
  return angle < 0 ? angle + 2 * kPi : angle;
}
