// The three glowing pieces of the logo on the main menu background, pulsing out of phase.
#pragma once

class TProgram;

// Creates the three decoration sprites with phase 0 (opacities 1, -0.5, -0.5).
void CreateDecorations(TProgram& program);
// Advances the phase by 0.02 per frame-factor unit (resetting it to 0, not reducing it by 2 pi,
// once above 2 pi) and sets the opacities sin(phase), sin(phase + 4 pi / 3) and
// sin(phase + 2 pi / 3), negative values included.
void PulseDecorations(TProgram& program, long double k);
