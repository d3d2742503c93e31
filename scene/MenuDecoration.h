// The three glowing pieces of the logo on the main menu background, pulsing out of phase.
#pragma once

// Radians; reset to 0 (not reduced by 2 pi) once above 2 pi.
extern long double DecorationPhase;

// Creates the three decoration sprites with phase 0 (opacities 1, -0.5, -0.5).
void CreateDecorations();
// Advances the phase by 0.02 per frame-factor unit and sets the opacities sin(phase),
// sin(phase + 4 pi / 3) and sin(phase + 2 pi / 3), negative values included.
void PulseDecorations();
