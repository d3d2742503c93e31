// Pixels the software renderer draws on: 32-bit 0x00RRGGBB, rows of `pitch` pixels. A canvas is a
// view: the memory belongs to a window surface or to a picture buffer.
#pragma once

#include <algorithm>
#include <cstdint>

namespace rt::raster {

struct Canvas {
  std::uint32_t* pixels = nullptr;
  int width = 0, height = 0;
  int pitch = 0;  // pixels from one row to the next
  std::uint32_t* row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * pitch; }
};

// A rectangle of whole pixels, right and bottom exclusive.
struct Rect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool empty() const { return x1 <= x0 || y1 <= y0; }
  long area() const { return empty() ? 0 : static_cast<long>(x1 - x0) * (y1 - y0); }
  Rect intersect(const Rect& o) const {
    return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace rt::raster
