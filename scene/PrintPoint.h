// A point in print units (x -16..16 left to right, y 12..-12 top to bottom).
#pragma once

struct PrintPoint {
  long double x = 0, y = 0;
};
