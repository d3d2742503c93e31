// The numbers printed over the interface bar of a running game: score, lives, missiles, level
// and the time left, the time pulsing red in its last ten seconds.
#pragma once

#include <string>

class TProgram;

// Whole seconds as "MM:SS", each part at least two digits: 125.9 s gives "02:05".
std::string FormatTimeLeft(long double seconds);
// Prints the status line of the program's game for this frame; dimmed while paused.
void PrintStatusLine(TProgram& program, bool paused);
