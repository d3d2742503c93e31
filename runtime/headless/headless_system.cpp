#include "runtime/headless/headless_system.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

#include "runtime/system.h"

namespace sys {
namespace {

struct WindowRecord {
  RECT rect;
  bool shown = false;
  bool minimised = false;
};

// The windows of the headless system, for the headless backend. Never destroyed, so the system
// can still forget its windows while the program's statics are torn down.
std::map<HWND, WindowRecord>& windows() {
  static auto* records = new std::map<HWND, WindowRecord>;
  return *records;
}

class HeadlessSystem final : public System {
 public:
  ~HeadlessSystem() override {
    for (const HWND w : created_) windows().erase(w);
  }

  bool ShowWindow(HWND window, int command) override {
    auto it = windows().find(window);
    if (it == windows().end()) return false;
    WindowRecord& w = it->second;
    const bool wasShown = w.shown;
    w.shown = command != SW_HIDE;
    w.minimised = command == SW_MINIMIZE;
    return wasShown;
  }

  bool IsIconic(HWND window) const override {
    auto it = windows().find(window);
    return it != windows().end() && it->second.minimised;
  }
  bool IsWindowVisible(HWND window) const override {
    auto it = windows().find(window);
    return it != windows().end() && it->second.shown;
  }

  bool HasFocus(HWND window) const override {
    auto it = windows().find(window);
    return ApplicationActive() && it != windows().end() && it->second.shown &&
           !it->second.minimised;
  }

  bool GetCursorPos(POINT& point) override {
    point = pointer_;
    return true;
  }
  bool SetCursorPos(int x, int y) override {
    pointer_ = {x, y};
    return true;
  }
  void ShowCursor(bool show) override { cursorShown_ = show; }

  bool GetWindowRect(HWND window, RECT& rect) override {
    auto it = windows().find(window);
    if (it == windows().end()) return false;
    rect = it->second.rect;
    return true;
  }

  int GetSystemMetrics(int index) override {
    switch (index) {
      case SM_CXSCREEN:
        return 1024;
      case SM_CYSCREEN:
        return 768;
      case SM_CYCAPTION:
        return 24;
      default:
        return 0;
    }
  }

  // Nobody can answer: the question goes to stderr and the answer is no.
  int MessageBox(const std::string& text, const std::string& caption, unsigned) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return IDNO;
  }

 protected:
  // Nothing comes from outside; while the window is minimised or hidden no frame can run, so a
  // scripted run goes on through its idle ticks instead.
  void Pump() override {
    const HWND window = MainWindow();
    if (window != 0 && (IsIconic(window) || !IsWindowVisible(window))) RunIdle();
  }
  void WaitForEvents() override { std::this_thread::sleep_for(std::chrono::milliseconds(10)); }

  bool CreatePlatformWindow(HWND window, const std::string&, int x, int y, int width,
                            int height) override {
    windows()[window] = {{x, y, x + width, y + height}, false, false};
    created_.push_back(window);
    return true;
  }
  void DestroyPlatformWindow(HWND window) override { windows().erase(window); }

  // Nothing is launched: the address is only reported.
  bool LaunchAddress(const std::string& address) override {
    std::fprintf(stderr, "open: %s\n", address.c_str());
    return true;
  }

 private:
  POINT pointer_{512, 384};
  bool cursorShown_ = true;
  std::vector<HWND> created_;
};

}  // namespace

bool headlessWindowShown(iWindow window) {
  auto it = windows().find(window);
  return it == windows().end() || (it->second.shown && !it->second.minimised);
}

void headlessWindowOpened(iWindow window) {
  auto it = windows().find(window);
  if (it != windows().end()) {
    it->second.shown = true;
    it->second.minimised = false;
  }
}

std::unique_ptr<System> makeHeadlessSystem() {
  return std::make_unique<HeadlessSystem>();
}

}  // namespace sys
