// The shared look: the colour moods of the three level styles and the menu colours.
#pragma once

#include "tools/assetgen/canvas.h"

namespace assetgen {

// One colour mood per level style (index 0..2): the nebula colours, the accent of the status bar
// and walls, and the tint of the indestructible metal.
struct Mood {
  Rgb deep;     // the darkest sky
  Rgb nebulaA;  // main cloud colour
  Rgb nebulaB;  // second cloud colour
  Rgb accent;   // glowing trims
  Rgb metal;    // indestructible bricks and wall plating
};

const Mood& levelMood(int style);

// Menu colours: panels are dark glass with cyan trims, highlights glow amber.
inline constexpr Rgb kPanelGlass{0.05, 0.08, 0.18};
inline constexpr Rgb kTrim{0.25, 0.85, 1.0};
inline constexpr Rgb kHighlight{1.0, 0.72, 0.2};
inline constexpr Rgb kButtonBlue{0.12, 0.35, 0.85};
inline constexpr Rgb kWhite{1, 1, 1};
inline constexpr Rgb kInk{0.02, 0.04, 0.12};

}  // namespace assetgen
