// One frame of the whole program, called in every engine run phase.
#pragma once

class TProgram;

void RunFrame(TProgram& program);
// The screens and the game for one frame of the program's frame input: the devices' in a frame of
// its own, a recorded frame's in a replay.
void RunScreensAndGame(TProgram& program);
