// Programs an end-to-end test runs beside itself (the game, a window manager) on its display, and
// the waits it makes on them.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

// Starts a program with these arguments and DISPLAY; -1 when it could not be started.
pid_t StartProgram(const std::vector<std::string>& arguments, const std::string& display);

// True when the child ended within the time; it is killed otherwise.
bool EndsWithin(pid_t child, std::chrono::milliseconds time);

// Asks the child to end (SIGTERM) and waits for it; killed when it has not ended within 5 s.
void EndProgram(pid_t child);

// True once the file exists; false when the time ran out first.
bool AppearsWithin(const std::string& file, std::chrono::milliseconds time);

}  // namespace e2e
