// Thread priority for work that must never take time from the game's frames.
#pragma once

// Puts the calling thread at the lowest priority the system has (idle scheduling on Linux). A
// refusal leaves the priority as it was.
void UseLowestThreadPriority();
