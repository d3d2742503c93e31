// Hands this frame's keyboard and pointer input to the screen that GameState names.
#pragma once

// The pointer in print units (x -16..16 left to right, y 12..-12 top to bottom); also places the
// cursor sprite on it.
struct PrintPoint {
  long double x = 0, y = 0;
};
PrintPoint ReadPointer();

void RouteKeys();
void RoutePointerMove();
void RoutePointerClick();
