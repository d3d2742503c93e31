// One frame of the whole program, called in every engine run phase.
#pragma once

class TProgram;

void RunFrame(TProgram& program);
