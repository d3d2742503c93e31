// The platform half of the operating-system layer on SDL: windows, the pointer, the screen, the
// message box, the desktop's opener, and the event pump that turns SDL events into window
// messages and live input (the gamepads' among them).
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/os.h"
#include "runtime/live_input.h"
#include "runtime/sdl/game_pads.h"
#include "runtime/sdl/keys.h"
#include "runtime/sdl/window_registry.h"
#include "runtime/system.h"

namespace sys {
namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;
constexpr int kDefaultCaptionHeight = 24;
constexpr int kIdleWaitMs = 100;
// After a minimise request, focus arriving is the desktop's doing, not the user's: ignored
// until the window reports itself minimised, or this long at most.
constexpr Uint32 kMinimiseSettleMs = 1000;

constexpr unsigned kVirtualKeyTab = 9;
constexpr unsigned kVirtualKeyF4 = 115;

class SdlSystem final : public System {
 public:
  SdlSystem();
  ~SdlSystem() override;

  bool ShowWindow(HWND window, int command) override;
  bool IsIconic(HWND window) const override;
  bool IsWindowVisible(HWND window) const override;
  bool HasFocus(HWND window) const override;
  bool GetCursorPos(POINT& point) override;
  bool SetCursorPos(int x, int y) override;
  void ShowCursor(bool show) override;
  bool GetWindowRect(HWND window, RECT& rect) override;
  int GetSystemMetrics(int index) override;
  int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;

 protected:
  void Pump() override;
  void WaitForEvents() override;
  bool CreatePlatformWindow(HWND window, const std::string& caption, int x, int y, int width,
                            int height) override;
  void DestroyPlatformWindow(HWND window) override;
  bool LaunchAddress(const std::string& address) override;

 private:
  // True while the program's window cannot be seen: events are then waited for, not polled.
  bool mainWindowIdle() const;
  int captionHeight() const;
  void drain();
  void handle(const SDL_Event& event);
  void windowEvent(const SDL_WindowEvent& event);
  void keyEvent(const SDL_KeyboardEvent& event);
  // True when the key went to a registered hot key instead of the game.
  bool hotKey(const SDL_KeyboardEvent& event);
  void pointerMoved(Uint32 sdlWindowId);
  bool focusIsDesktops(HWND window);

  bool videoReady_ = false;
  std::map<HWND, Uint32> minimiseRequested_;  // window -> SDL tick of the request
};

SdlSystem::SdlSystem() {
  // The game decides what losing focus in full screen means, and a closed window is a message
  // to the game, not the end of the program.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_ALLOW_ALT_TAB_WHILE_GRABBED, "0");
  // SDL opens X's input method for text input, which the game never uses (it types with key
  // codes); the input method reads the locale's compose table, thousands of sequences and about
  // 15 ms before the first picture. It gets an empty one, unless the player named one; programs
  // the game starts later (the links' browser) see the environment as it was.
#ifdef SDL_VIDEO_DRIVER_X11
  const bool emptyCompose =
      std::getenv("XCOMPOSEFILE") == nullptr && setenv("XCOMPOSEFILE", "/dev/null", 1) == 0;
#endif
  videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
#ifdef SDL_VIDEO_DRIVER_X11
  if (emptyCompose) unsetenv("XCOMPOSEFILE");
#endif
  if (!videoReady_)
    std::fprintf(stderr, "glintbreaker: cannot open the display (%s)\n", SDL_GetError());
  rt::liveInput().setPointerWarp([this](int x, int y) {
    SDL_Window* window = rt::sdl::sdlWindowOf(MainWindow());
    if (window && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS))
      SDL_WarpMouseInWindow(window, x, y);
  });
  rt::liveInput().setRumble(rt::sdl::rumbleGamePads);
}

SdlSystem::~SdlSystem() {
  rt::liveInput().setPointerWarp(nullptr);
  rt::liveInput().setRumble(nullptr);
  rt::sdl::stopGamePads();
  if (videoReady_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool SdlSystem::CreatePlatformWindow(HWND window, const std::string& caption, int x, int y,
                                     int /*width*/, int /*height*/) {
  if (!videoReady_) return false;
  // x, y is the outer corner: window managers place the frame there and the picture one
  // caption lower.
  SDL_Window* sdlWindow =
      SDL_CreateWindow(caption.c_str(), x, y, kClientWidth, kClientHeight, SDL_WINDOW_HIDDEN);
  if (!sdlWindow) {
    std::fprintf(stderr, "glintbreaker: cannot create the window (%s)\n", SDL_GetError());
    return false;
  }
  rt::sdl::registerWindow(window, sdlWindow);
  return true;
}

void SdlSystem::DestroyPlatformWindow(HWND window) {
  SDL_Window* sdlWindow = rt::sdl::sdlWindowOf(window);
  if (!sdlWindow) return;
  rt::sdl::unregisterWindow(window);
  minimiseRequested_.erase(window);
  SDL_DestroyWindow(sdlWindow);
}

bool SdlSystem::ShowWindow(HWND window, int command) {
  SDL_Window* sdlWindow = rt::sdl::sdlWindowOf(window);
  if (!sdlWindow) return false;
  const bool wasVisible = (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_HIDDEN) == 0;
  switch (command) {
    case SW_HIDE:
      SDL_HideWindow(sdlWindow);
      break;
    case SW_MINIMIZE:
      minimiseRequested_[window] = SDL_GetTicks();
      if (!wasVisible) SDL_ShowWindow(sdlWindow);
      SDL_MinimizeWindow(sdlWindow);
      break;
    case SW_SHOWNORMAL:
      minimiseRequested_.erase(window);
      SDL_ShowWindow(sdlWindow);
      SDL_RestoreWindow(sdlWindow);
      SDL_RaiseWindow(sdlWindow);
      break;
    default:
      break;
  }
  return wasVisible;
}

bool SdlSystem::IsIconic(HWND window) const {
  SDL_Window* sdlWindow = rt::sdl::sdlWindowOf(window);
  return sdlWindow && (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_MINIMIZED);
}

bool SdlSystem::IsWindowVisible(HWND window) const {
  SDL_Window* sdlWindow = rt::sdl::sdlWindowOf(window);
  return sdlWindow && !(SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_HIDDEN);
}

bool SdlSystem::HasFocus(HWND window) const {
  SDL_Window* sdlWindow = rt::sdl::sdlWindowOf(window);
  return sdlWindow != nullptr && (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

bool SdlSystem::GetCursorPos(POINT& point) {
  SDL_GetGlobalMouseState(&point.x, &point.y);
  return true;
}

bool SdlSystem::SetCursorPos(int x, int y) {
  return SDL_WarpMouseGlobal(x, y) == 0;
}

void SdlSystem::ShowCursor(bool show) {
  // SDL keeps a plain switch too (the backend hides the pointer in full screen), so asking
  // every frame costs nothing and never disagrees with it.
  SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

int SdlSystem::captionHeight() const {
  SDL_Window* window = rt::sdl::sdlWindowOf(MainWindow());
  int top = 0;
  if (window && SDL_GetWindowBordersSize(window, &top, nullptr, nullptr, nullptr) == 0 && top > 0)
    return top;
  return kDefaultCaptionHeight;
}

bool SdlSystem::GetWindowRect(HWND window, RECT& rect) {
  SDL_Window* sdlWindow = rt::sdl::sdlWindowOf(window);
  if (!sdlWindow) return false;
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(sdlWindow, &x, &y);
  SDL_GetWindowSize(sdlWindow, &width, &height);
  // The outer rectangle: the caption sits above the picture, so top + caption height is the
  // picture's first row.
  rect = {x, y - captionHeight(), x + width, y + height};
  return true;
}

int SdlSystem::GetSystemMetrics(int index) {
  SDL_Rect screen{0, 0, 1024, 768};
  if (index == SM_CXSCREEN || index == SM_CYSCREEN) {
    if (!videoReady_ || SDL_GetDisplayBounds(0, &screen) != 0)
      std::fprintf(stderr, "glintbreaker: screen size unknown, taking 1024 x 768\n");
    return index == SM_CXSCREEN ? screen.w : screen.h;
  }
  if (index == SM_CYCAPTION) return captionHeight();
  return 0;
}

int SdlSystem::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"},
  };
  const SDL_MessageBoxData box{
      (type & MB_ICONWARNING) ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION,
      nullptr,
      caption.c_str(),
      text.c_str(),
      SDL_arraysize(buttons),
      buttons,
      nullptr};
  int answer = IDNO;
  if (SDL_ShowMessageBox(&box, &answer) != 0) {
    std::fprintf(stderr, "glintbreaker: %s: %s (answered No: %s)\n", caption.c_str(), text.c_str(),
                 SDL_GetError());
    return IDNO;
  }
  return answer == IDYES ? IDYES : IDNO;
}

bool SdlSystem::LaunchAddress(const std::string& address) {
  return os::openAddress(address);
}

bool SdlSystem::mainWindowIdle() const {
  SDL_Window* window = rt::sdl::sdlWindowOf(MainWindow());
  return window && (SDL_GetWindowFlags(window) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED));
}

void SdlSystem::Pump() {
  if (!videoReady_) return;
  // The pads start once the window is up: looking for them costs some 3 ms, which the first
  // picture does not wait for. The pads plugged in already arrive then as events.
  SDL_Window* window = rt::sdl::sdlWindowOf(MainWindow());
  if (window && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN)) rt::sdl::startGamePads();
  if (mainWindowIdle()) SDL_WaitEventTimeout(nullptr, kIdleWaitMs);
  drain();
}

void SdlSystem::WaitForEvents() {
  if (!videoReady_) {
    SDL_Delay(kIdleWaitMs);
    return;
  }
  SDL_WaitEventTimeout(nullptr, kIdleWaitMs);
  drain();
}

void SdlSystem::drain() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) handle(event);
}

void SdlSystem::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:  // the terminal's interrupt or a polite kill
      if (MainWindow()) PostMessage(MainWindow(), WM_CLOSE, 0, 0);
      break;
    case SDL_WINDOWEVENT:
      windowEvent(event.window);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      keyEvent(event.key);
      break;
    case SDL_MOUSEMOTION:
      pointerMoved(event.motion.windowID);
      break;
    case SDL_MOUSEBUTTONDOWN:
      pointerMoved(event.button.windowID);
      if (event.button.button == SDL_BUTTON_LEFT) rt::liveInput().buttonDown(0);
      if (event.button.button == SDL_BUTTON_RIGHT) rt::liveInput().buttonDown(1);
      break;
    default:
      rt::sdl::gamePadEvent(event);
      break;
  }
}

bool SdlSystem::focusIsDesktops(HWND window) {
  SDL_Window* sdlWindow = rt::sdl::sdlWindowOf(window);
  if (SDL_GetWindowFlags(sdlWindow) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) return true;
  const auto request = minimiseRequested_.find(window);
  if (request == minimiseRequested_.end()) return false;
  if (SDL_GetTicks() - request->second < kMinimiseSettleMs) return true;
  minimiseRequested_.erase(request);
  return false;
}

void SdlSystem::windowEvent(const SDL_WindowEvent& event) {
  // Events of a window already destroyed are dropped: they must not reach its successor.
  const HWND window = rt::sdl::windowOfSdlId(event.windowID);
  if (!window) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (focusIsDesktops(window)) break;
      PostMessage(window, WM_ACTIVATEAPP, 1, 0);
      PostMessage(window, WM_ACTIVATE, WA_ACTIVE, 0);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      // Only the application message: a hidden wait ends on any WM_ACTIVATE.
      rt::liveInput().releaseAll();
      PostMessage(window, WM_ACTIVATEAPP, 0, 0);
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      minimiseRequested_.erase(window);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      PostMessage(window, WM_PAINT, 0, 0);
      break;
    case SDL_WINDOWEVENT_CLOSE:
      PostMessage(window, WM_CLOSE, 0, 0);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (window == MainWindow()) rt::liveInput().windowResized(event.data1, event.data2);
      break;
    default:
      break;
  }
}

bool SdlSystem::hotKey(const SDL_KeyboardEvent& event) {
  if (!(event.keysym.mod & KMOD_ALT)) return false;
  unsigned virtualKey = 0;
  if (event.keysym.scancode == SDL_SCANCODE_TAB) virtualKey = kVirtualKeyTab;
  if (event.keysym.scancode == SDL_SCANCODE_F4) virtualKey = kVirtualKeyF4;
  if (virtualKey == 0) return false;
  const int id = HotKeyFor(MOD_ALT, virtualKey);
  if (id < 0) return false;
  if (event.type == SDL_KEYDOWN && !event.repeat && MainWindow())
    PostMessage(MainWindow(), WM_HOTKEY, static_cast<WPARAM>(id), 0);
  return true;
}

void SdlSystem::keyEvent(const SDL_KeyboardEvent& event) {
  if (hotKey(event)) return;
  const int code = rt::sdl::directInputCodeFromSdlScancode(event.keysym.scancode);
  if (event.type == SDL_KEYDOWN)
    rt::liveInput().keyDown(code);
  else
    rt::liveInput().keyUp(code);
}

void SdlSystem::pointerMoved(Uint32 sdlWindowId) {
  const HWND window = rt::sdl::windowOfSdlId(sdlWindowId);
  if (!window || window != MainWindow()) return;
  // The mouse state is in window pixels; the event may already be in the renderer's units.
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  rt::liveInput().pointerAt(x, y);
}

}  // namespace

std::unique_ptr<System> makeSdlSystem() {
  return std::make_unique<SdlSystem>();
}

}  // namespace sys
