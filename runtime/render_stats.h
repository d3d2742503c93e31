// What drawing the last frame cost, as the software renderer counts it: for the benchmarks and
// the frame log. Stays zero on the other renderers.
#pragma once

namespace rt {

struct RenderStats {
  long cards = 0;          // cards that touched pixels
  long pixels = 0;         // pixels those cards wrote (blended or copied)
  long damagedPixels = 0;  // pixels of the picture drawn again
  long rectangles = 0;     // rectangles they were drawn in
};

RenderStats& lastRenderStats();

}  // namespace rt
