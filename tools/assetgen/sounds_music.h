// The two music tracks: seamless loops (the last sample flows into the first, as notes that ring
// past the end are folded back onto the start).
#pragma once

#include "tools/assetgen/synth.h"

namespace assetgen::music {

// Music is mono at this rate: plenty for the instruments and quick to generate.
constexpr int kSampleRate = 22050;

// Calm menu loop: 84 beats a minute, 16 bars in A minor with pad, bells and a soft melody.
synth::Signal menuLoop();
// Driving game loop: 126 beats a minute, 24 bars in E minor with drums, bass and a lead.
synth::Signal gameLoop();

}  // namespace assetgen::music
