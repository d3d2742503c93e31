#include "runtime/sdl/window_manager.h"

#include <SDL_syswm.h>

#ifndef SDL_VIDEO_DRIVER_X11
// Only X11 runs without a window manager.
bool rt::sdl::windowManagerRuns(SDL_Window*) {
  return true;
}
void rt::sdl::catchUpWithDisplay(SDL_Window*) {
  SDL_PumpEvents();
}
#else
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace rt::sdl {
namespace {

int ignoreErrors(Display*, XErrorEvent*) {
  return 0;
}

// The window that the property `check` of `window` names, or None.
Window checkWindowOf(Display* display, Window window, Atom check) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* value = nullptr;
  Window named = None;
  if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                         &after, &value) == Success &&
      type == XA_WINDOW && format == 32 && count == 1 && value) {
    named = *reinterpret_cast<Window*>(value);
  }
  if (value) XFree(value);
  return named;
}

}  // namespace

bool windowManagerRuns(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  // A running manager names a check window on the root window, and the check window names
  // itself; a manager that has gone may have left the root's property behind, naming a window
  // that no longer exists (asking about it is an X error, caught here).
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  const Window named = checkWindowOf(display, DefaultRootWindow(display), check);
  if (named == None) return false;
  XSync(display, False);
  const auto previous = XSetErrorHandler(ignoreErrors);
  const bool alive = checkWindowOf(display, named, check) == named;
  XSync(display, False);
  XSetErrorHandler(previous);
  return alive;
}

void catchUpWithDisplay(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
    XSync(info.info.x11.display, False);
  SDL_PumpEvents();
}

}  // namespace rt::sdl
#endif
