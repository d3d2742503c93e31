#include "runtime/sdl/renderer_choice.h"

#include <cstring>
#include <optional>

namespace rt::sdl {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

bool isSoftwareRasteriser(const char* glRenderer) {
  if (!glRenderer) return false;
  for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"})
    if (std::strstr(glRenderer, name)) return true;
  return false;
}

// True when an OpenGL renderer draws through a software rasteriser.
bool drawsInSoftware(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name) return false;
  if (std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!getString) return false;
  return isSoftwareRasteriser(reinterpret_cast<const char*>(getString(kGlRenderer)));
}

SDL_Renderer* createSoftware(SDL_Window* window) {
  // The drawn picture goes to the window as it is; left alone, SDL would hand it to an
  // OpenGL texture every frame, and that GL is the software rasteriser we are avoiding.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

}  // namespace

SDL_Renderer* createRenderer(SDL_Window* window) {
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
  if (SDL_GetHint(SDL_HINT_RENDER_DRIVER)) return SDL_CreateRenderer(window, -1, 0);

  // The answer does not change while the program runs; ask once.
  static std::optional<bool> software;
  if (software && *software) return createSoftware(window);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer) return createSoftware(window);
  if (!software) software = drawsInSoftware(renderer);
  if (!*software) return renderer;
  SDL_DestroyRenderer(renderer);
  return createSoftware(window);
}

}  // namespace rt::sdl
