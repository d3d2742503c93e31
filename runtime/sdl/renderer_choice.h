// Picks how frames reach a window. With a GPU, SDL's accelerated renderer draws everything every
// frame. Without one (no render node under /dev/dri, or an OpenGL that turns out to be a software
// rasteriser) our own rasteriser draws only what changed into the window's surface: no OpenGL
// context is ever created on that path, which keeps the start fast and the memory small.
#pragma once

#include <SDL.h>

#include <memory>

#include "runtime/sdl/presenter.h"

namespace rt::sdl {

// A presenter without vsync, or nullptr (SDL_GetError says why). A renderer named in the
// SDL_RENDER_DRIVER hint or environment variable is taken as asked.
std::unique_ptr<Presenter> createPresenter(SDL_Window* window);

}  // namespace rt::sdl
