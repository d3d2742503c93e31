// The animated mouse cursor: an engine sprite drawn over everything, with ten frames.
#pragma once

class TProgram;

// Creates the cursor sprite with its ten frames, showing frame 1.
void CreateCursor(TProgram& program);
// Advances to the next frame (after 10 comes 1) once more than 50 ms have passed.
void AnimateCursor(TProgram& program);
