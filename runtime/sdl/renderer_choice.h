// Picks SDL's renderer for a window: the accelerated one on a real GPU, SDL's own software
// renderer where the only OpenGL is a software rasteriser (it draws this 2D scene faster there).
#pragma once

#include <SDL.h>

namespace rt::sdl {

// A renderer without vsync, or nullptr (SDL_GetError says why). A renderer named in the
// SDL_RENDER_DRIVER hint or environment variable is taken as asked.
SDL_Renderer* createRenderer(SDL_Window* window);

}  // namespace rt::sdl
