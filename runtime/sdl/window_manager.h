// Whether a window manager looks after the windows of a display. SDL's full screen asks the
// window manager for it and then waits a tenth of a second for an answer that, without one,
// never comes; the backend places the window over the desktop itself instead.
#pragma once

#include <SDL.h>

namespace rt::sdl {

// True where a window manager that follows the desktop conventions runs on the window's
// display, and on every system other than X11 (there is always one there).
bool windowManagerRuns(SDL_Window* window);

}  // namespace rt::sdl
