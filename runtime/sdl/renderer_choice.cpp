#include "runtime/sdl/renderer_choice.h"

#include <cstring>
#include <filesystem>
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

// A GPU shows itself as a DRM render node; without one, any OpenGL draws in software.
bool hasRenderNode() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
    if (entry.path().filename().string().rfind("renderD", 0) == 0) return true;
  }
  return false;
}

std::unique_ptr<Presenter> surfacePresenter(SDL_Window* window) {
  // The window's own surface, never one backed by an OpenGL texture.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return makeSurfacePresenter(window);
}

}  // namespace

std::unique_ptr<Presenter> createPresenter(SDL_Window* window) {
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
  if (SDL_GetHint(SDL_HINT_RENDER_DRIVER)) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    return renderer ? makeRendererPresenter(renderer) : nullptr;
  }
  // The answer does not change while the program runs; ask once.
  static std::optional<bool> software;
  if (!software && !hasRenderNode()) software = true;
  if (software && *software) return surfacePresenter(window);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer) return surfacePresenter(window);
  if (!software) software = drawsInSoftware(renderer);
  if (!*software) return makeRendererPresenter(renderer);
  SDL_DestroyRenderer(renderer);
  return surfacePresenter(window);
}

}  // namespace rt::sdl
