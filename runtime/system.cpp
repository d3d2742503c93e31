// The common half of the operating-system layer: window classes, the message queue and its
// dispatch, hot-key bookkeeping, the outside "come back"/"end" signals and link files.
#include "runtime/system.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "platform/os.h"
#include "runtime/runtime.h"

namespace sys {
namespace {

// Never destroyed by exit(), for the same reason as the backend (runtime.cpp): the program body
// takes it down.
std::unique_ptr<System>& theSystem = *new std::unique_ptr<System>;

// The outside signals are the hot keys 200 (come back) and 201 (end).
volatile std::sig_atomic_t comeBackSignalled = 0;
volatile std::sig_atomic_t endSignalled = 0;
constexpr int kHotKeyComeBack = 200;
constexpr int kHotKeyEnd = 201;

void onOutsideSignal(os::OutsideSignal signal) {
  if (signal == os::OutsideSignal::ComeBack) comeBackSignalled = 1;
  if (signal == os::OutsideSignal::End) endSignalled = 1;
}

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

System& system() {
  if (!theSystem) {
    std::fprintf(stderr, "glintbreaker: internal error: no system layer installed\n");
    std::abort();
  }
  return *theSystem;
}

void setSystem(std::unique_ptr<System> system) {
  theSystem = std::move(system);
}

System::System() {
  os::catchOutsideSignals(onOutsideSignal);
}

System::~System() = default;

bool System::RegisterClass(const std::string& className, WNDPROC proc) {
  if (className.empty() || proc == nullptr) return false;
  classes_[className] = proc;
  return true;
}

HWND System::CreateWindowEx(const std::string& className, const std::string& caption,
                            std::uint32_t /*style*/, int x, int y, int width, int height) {
  if (classes_.count(className) == 0) return 0;
  const HWND window = nextWindow_++;
  if (!CreatePlatformWindow(window, caption, x, y, width, height)) return 0;
  windows_[window] = Window{className, caption};
  newestWindow_ = window;
  return window;
}

bool System::DestroyWindow(HWND window) {
  if (!WindowExists(window)) return false;
  DestroyPlatformWindow(window);
  windows_.erase(window);
  for (auto it = hotKeys_.begin(); it != hotKeys_.end();) {
    it = it->second.window == window ? hotKeys_.erase(it) : std::next(it);
  }
  if (newestWindow_ == window) newestWindow_ = 0;
  return true;
}

HWND System::FindWindow(const std::string& caption) const {
  for (const auto& [handle, window] : windows_) {
    if (window.caption == caption) return handle;
  }
  return 0;
}

LRESULT System::SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DispatchMessage(MSG{window, message, wParam, lParam});
}

LRESULT System::DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) ShowWindow(window, SW_MINIMIZE);
  if (message == WM_CLOSE) DestroyWindow(window);
  return 0;
}

void System::PostSignals() {
  if (comeBackSignalled) {
    comeBackSignalled = 0;
    PostMessage(MainWindow(), WM_HOTKEY, kHotKeyComeBack, 0);
  }
  if (endSignalled) {
    endSignalled = 0;
    PostMessage(MainWindow(), WM_HOTKEY, kHotKeyEnd, 0);
  }
}

bool System::PeekMessage(MSG& message) {
  Pump();
  PostSignals();
  if (!queue_.empty()) {
    message = queue_.front();
    queue_.pop_front();
    return true;
  }
  if (quitPosted_) {
    quitPosted_ = false;
    message = MSG{0, WM_QUIT, 0, 0};
    return true;
  }
  return false;
}

int System::GetMessage(MSG& message, HWND window) {
  if (!WindowExists(window)) return -1;
  for (;;) {
    Pump();
    PostSignals();
    const auto it = std::find_if(queue_.begin(), queue_.end(),
                                 [window](const MSG& m) { return m.hwnd == window; });
    if (it != queue_.end()) {
      message = *it;
      queue_.erase(it);
      return 1;
    }
    if (quitPosted_) {
      quitPosted_ = false;
      message = MSG{0, WM_QUIT, 0, 0};
      return 0;
    }
    RunIdle();
  }
}

void System::RunIdle() {
  if (idleHook_) {
    idleHook_();
  } else {
    WaitForEvents();
  }
}

LRESULT System::DispatchMessage(const MSG& message) {
  if (message.message == WM_ACTIVATEAPP) applicationActive_ = (message.wParam & 0xFF) != 0;
  const auto window = windows_.find(message.hwnd);
  if (window == windows_.end()) return 0;
  const auto windowClass = classes_.find(window->second.className);
  if (windowClass == classes_.end()) return 0;
  return windowClass->second(message.hwnd, message.message, message.wParam, message.lParam);
}

void System::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (WindowExists(window)) queue_.push_back(MSG{window, message, wParam, lParam});
}

void System::PostQuitMessage(int /*exitCode*/) {
  quitPosted_ = true;
}

bool System::RegisterHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) {
  if (!WindowExists(window) || hotKeys_.count(id) != 0) return false;
  hotKeys_[id] = HotKey{window, modifiers, virtualKey};
  return true;
}

bool System::UnregisterHotKey(HWND window, int id) {
  const auto it = hotKeys_.find(id);
  if (it == hotKeys_.end() || it->second.window != window) return false;
  hotKeys_.erase(it);
  return true;
}

int System::HotKeyFor(unsigned modifiers, unsigned virtualKey) const {
  for (const auto& [id, key] : hotKeys_) {
    if (key.modifiers == modifiers && key.virtualKey == virtualKey) return id;
  }
  return -1;
}

void System::MovePointerTo(float x, float y) {
  RECT rect;
  if (!GetWindowRect(MainWindow(), rect)) return;
  rect.top += GetSystemMetrics(SM_CYCAPTION);
  SetCursorPos(rect.left + static_cast<int>(x * static_cast<float>(rect.right - rect.left)),
               rect.top + static_cast<int>(y * static_cast<float>(rect.bottom - rect.top)));
}

bool System::QueryPerformanceCounter(std::int64_t& count) const {
  count = rt::clock().counter();
  return true;
}

bool System::QueryPerformanceFrequency(std::int64_t& frequency) const {
  frequency = rt::clock().frequency();
  return true;
}

std::uint32_t System::GetTickCount() const {
  return rt::clock().ticks();
}

bool System::ShellOpen(const std::string& fileOrAddress) {
  std::string address = fileOrAddress;
  if (endsWith(lowered(fileOrAddress), ".url")) {
    const auto bytes = files::readAll(files::gamePath(fileOrAddress), 64 * 1024);
    if (!bytes) {
      std::fprintf(stderr, "glintbreaker: cannot read the link file %s\n", fileOrAddress.c_str());
      return false;
    }
    address = UrlFromShortcut(std::string(bytes->begin(), bytes->end()));
  }
  if (!IsSafeAddress(address)) {
    std::fprintf(stderr,
                 "glintbreaker: refused to open \"%s\": only http, https and mailto "
                 "addresses are opened\n",
                 address.c_str());
    return false;
  }
  return LaunchAddress(address);
}

std::string UrlFromShortcut(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.pop_back();
    }
    if (lowered(line.substr(0, 4)) == "url=") return line.substr(4);
    start = end + 1;
  }
  return "";
}

bool IsSafeAddress(const std::string& address) {
  const std::string lower = lowered(address);
  const bool knownScheme = lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0 ||
                           lower.rfind("mailto:", 0) == 0;
  const bool printable = std::all_of(address.begin(), address.end(),
                                     [](unsigned char c) { return c > 0x20 && c != 0x7F; });
  return knownScheme && printable && address.size() < 4096;
}

long ResidentMemoryKiB() {
  return os::residentMemoryKiB();
}

}  // namespace sys
