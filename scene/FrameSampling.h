// The one place that reads the devices and the clocks for a frame: at its start the frame's
// input is sampled into a value that the game and every screen then read.
#pragma once

#include "engine/FrameInput.h"

class TProgram;

// The engine's keys, buttons, mouse and pads, the system pointer and the game window, the frame
// factor (which starts the program's frame timing), the millisecond tick and the engine's timer.
TFrameInput SampleFrameInput(TProgram& program);
