// The headless operating-system layer: windows are records, nothing is shown on a screen. The
// headless backend asks here whether the engine's window is visible.
#pragma once

#include "engine/impact.h"

namespace sys {

// False while a window of the headless system is hidden or minimised; true for any window it
// does not know (a backend used without the headless system, as in tests).
bool headlessWindowShown(iWindow window);
// The engine shows its window when it opens on it.
void headlessWindowOpened(iWindow window);

}  // namespace sys
