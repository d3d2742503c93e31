// The operating-system services the main loop and a few screens use, with their Windows meaning:
// window classes and windows, a message queue with peek and blocking get, show/hide/minimise,
// hot keys, the system pointer, time, opening a file or address with the desktop's program,
// a yes/no message box and the program's resident memory. The queue, the window procedures, hot-key
// bookkeeping, signals and link files are common (system.cpp); a platform (SDL or headless)
// supplies the windows and events.
//
// Platform events become these messages for the program's window: focus gained -> WM_ACTIVATEAPP
// (wParam 1) then WM_ACTIVATE (WA_ACTIVE); focus lost -> WM_ACTIVATEAPP (wParam 0) only (a lost
// focus must not end a hidden wait, which ends on WM_ACTIVATE of any kind); picture exposed ->
// WM_PAINT; close request -> WM_CLOSE; a registered hot key -> WM_HOTKEY with its id.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "engine/impact.h"

namespace sys {

using HWND = iWindow;
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_HOTKEY = 0x0312;

constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM SC_MINIMIZE = 0xF020;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_MINIMIZE = 6;

constexpr unsigned MOD_ALT = 1;

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;

constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_TOPMOST = 0x40000;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

constexpr std::uint32_t WS_GAME_WINDOW = 0x80C80000;  // popup with caption and system menu

struct MSG {
  HWND hwnd = 0;
  UINT message = WM_NULL;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

struct POINT {
  int x = 0, y = 0;
};

struct RECT {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class System {
 public:
  System();
  virtual ~System();
  System(const System&) = delete;
  System& operator=(const System&) = delete;

  // ---- Windows (common) ----
  bool RegisterClass(const std::string& className, WNDPROC proc);
  // Creates a hidden window of a registered class; 0 on failure.
  HWND CreateWindowEx(const std::string& className, const std::string& caption, std::uint32_t style,
                      int x, int y, int width, int height);
  bool DestroyWindow(HWND window);
  // Finds one of this program's windows by its caption; 0 when none.
  HWND FindWindow(const std::string& caption) const;
  // Calls the window's procedure at once.
  LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Default processing: WM_SYSCOMMAND SC_MINIMIZE minimises, WM_CLOSE destroys the window.
  LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // ---- Message queue (common) ----
  // Takes the next message of any window of the program, if one is waiting.
  bool PeekMessage(MSG& message);
  // Waits for the next message of the window: > 0 for a message, 0 for WM_QUIT, -1 on error.
  int GetMessage(MSG& message, HWND window);
  void TranslateMessage(const MSG&) {}
  LRESULT DispatchMessage(const MSG& message);
  void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void PostQuitMessage(int exitCode);

  // ---- Hot keys (common bookkeeping; the platform turns the key combination into WM_HOTKEY) --
  bool RegisterHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey);
  bool UnregisterHotKey(HWND window, int id);
  // The id of a registered hot key for this combination, or -1.
  int HotKeyFor(unsigned modifiers, unsigned virtualKey) const;

  // ---- Platform ----
  virtual bool ShowWindow(HWND window, int command) = 0;
  virtual bool IsIconic(HWND window) const = 0;  // minimised
  virtual bool IsWindowVisible(HWND window) const = 0;
  // True while the window takes the keyboard and the pointer (the user is not in another
  // program).
  virtual bool HasFocus(HWND window) const = 0;
  virtual bool GetCursorPos(POINT& point) = 0;
  virtual bool SetCursorPos(int x, int y) = 0;
  // Shows or hides the system pointer: a plain switch, however often it is called.
  virtual void ShowCursor(bool show) = 0;
  virtual bool GetWindowRect(HWND window, RECT& rect) = 0;
  virtual int GetSystemMetrics(int index) = 0;
  // Yes/no question; IDYES or IDNO.
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
  // A scripted pointer position (0..1 of the window's picture) becomes the system pointer.
  void MovePointerTo(float x, float y);

  // ---- Time (the program's clock, real or virtual) ----
  bool QueryPerformanceCounter(std::int64_t& count) const;
  bool QueryPerformanceFrequency(std::int64_t& frequency) const;
  std::uint32_t GetTickCount() const;

  // ---- Desktop ----
  // Opens a file or address with the desktop's program. A ".url" file is opened by the address
  // on its "URL=" line; only http, https and mailto addresses are handed on, anything else is
  // refused with a line on stderr. Returns true when the desktop was asked.
  bool ShellOpen(const std::string& fileOrAddress);

  // The window of the program (the newest one created), 0 when none.
  HWND MainWindow() const { return newestWindow_; }
  // Runs while a blocking wait finds no message (a scripted run feeds its commands here).
  void SetIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }

 protected:
  // Moves pending platform events into the queue (window messages) and into the live input.
  virtual void Pump() = 0;
  // Blocks until events may have arrived (a short time at most, so signals are seen).
  virtual void WaitForEvents() = 0;
  virtual bool CreatePlatformWindow(HWND window, const std::string& caption, int x, int y,
                                    int width, int height) = 0;
  virtual void DestroyPlatformWindow(HWND window) = 0;
  // Hands an address to the desktop; true when it could be asked.
  virtual bool LaunchAddress(const std::string& address) = 0;

  bool WindowExists(HWND window) const { return windows_.count(window) != 0; }
  // False from a dispatched WM_ACTIVATEAPP with wParam 0 until one with wParam 1.
  bool ApplicationActive() const { return applicationActive_; }
  // Lets a scripted run go on while no frame can run: the idle hook when one is set, else a
  // platform wait.
  void RunIdle();

 private:
  struct Window {
    std::string className;
    std::string caption;
  };
  struct HotKey {
    HWND window;
    unsigned modifiers;
    unsigned virtualKey;
  };
  void PostSignals();

  std::map<std::string, WNDPROC> classes_;
  std::map<HWND, Window> windows_;
  std::map<int, HotKey> hotKeys_;
  std::deque<MSG> queue_;
  bool quitPosted_ = false;
  bool applicationActive_ = true;
  HWND nextWindow_ = 1;
  HWND newestWindow_ = 0;
  std::function<void()> idleHook_;
};

// The system the program runs on.
System& system();
void setSystem(std::unique_ptr<System> system);

std::unique_ptr<System> makeHeadlessSystem();
std::unique_ptr<System> makeSdlSystem();

// The address on the "URL=" line of an internet shortcut's text, or "" when there is none.
std::string UrlFromShortcut(const std::string& text);
// True for the address schemes the desktop may be given: http, https, mailto.
bool IsSafeAddress(const std::string& address);

// The program's resident memory (its working set) in KiB; 0 when the system does not tell.
long ResidentMemoryKiB();

}  // namespace sys
