// Whether a window manager looks after the windows of a display. SDL's full screen asks the
// window manager for it and then waits a tenth of a second for an answer that, without one,
// never comes; the backend places the window over the desktop itself instead, and waits for the
// display to answer before it draws.
#pragma once

#include <SDL.h>

namespace rt::sdl {

// True where a window manager that follows the desktop conventions runs on the window's
// display, and on every system other than X11 (there is always one there).
bool windowManagerRuns(SDL_Window* window);

// Waits until the window's display has handled every request sent to it, and takes in the
// events it answered with: on X11 a new place and size are answered later, and the answer makes
// SDL drop the window's surface.
void catchUpWithDisplay(SDL_Window* window);

}  // namespace rt::sdl
