#include "runtime/sdl/window_registry.h"

#include <map>

namespace rt::sdl {
namespace {

std::map<iWindow, SDL_Window*>& windows() {
  static std::map<iWindow, SDL_Window*> all;
  return all;
}

}  // namespace

void registerWindow(iWindow window, SDL_Window* sdlWindow) {
  windows()[window] = sdlWindow;
}

void unregisterWindow(iWindow window) {
  windows().erase(window);
}

SDL_Window* sdlWindowOf(iWindow window) {
  const auto found = windows().find(window);
  return found == windows().end() ? nullptr : found->second;
}

iWindow windowOfSdlId(Uint32 sdlWindowId) {
  for (const auto& [window, sdlWindow] : windows())
    if (SDL_GetWindowID(sdlWindow) == sdlWindowId) return window;
  return 0;
}

}  // namespace rt::sdl
