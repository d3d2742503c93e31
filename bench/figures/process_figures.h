// Readings that both ways of running the game measure with: the steady clock, and the CPU time
// and peak resident memory of a process.
#pragma once

#include <sys/types.h>

namespace figures {

// Seconds on the steady clock, from an arbitrary start.
double SteadySeconds();

// The CPU time (user and system, every thread) a process has spent; 0 when the system does not
// tell.
double CpuSeconds(pid_t pid);

// The peak resident memory (VmHWM) of a running process in KiB; 0 when the system does not tell.
long PeakKb(pid_t pid);

}  // namespace figures
