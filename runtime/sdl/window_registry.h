// Which SDL window stands for which window of the operating-system layer. The SDL system
// records its windows here; the backend finds the window it is opened on.
#pragma once

#include <SDL.h>

#include "engine/impact.h"

namespace rt::sdl {

void registerWindow(iWindow window, SDL_Window* sdlWindow);
void unregisterWindow(iWindow window);
// nullptr when the window is unknown.
SDL_Window* sdlWindowOf(iWindow window);
// 0 when no window of ours has this SDL window id.
iWindow windowOfSdlId(Uint32 sdlWindowId);

}  // namespace rt::sdl
