// One frame of the whole program, called in every engine run phase.
#pragma once

void RunFrame();
