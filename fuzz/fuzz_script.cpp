// Any text as a script: the parser, then the driver running what the parser accepted on the
// headless system for a few dozen frames against a fixed state (expect and until compare against
// it, mouse moves the system pointer over a window, message posts to it). A run ends by throwing
// out of the driver instead of ending the process.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/runtime.h"
#include "runtime/script.h"
#include "runtime/system.h"
#include "scene/StateNames.h"

namespace {

constexpr int kFrames = 40;

struct RunEnded {
  int status;
};

rt::Json State() {
  rt::Json printed = rt::Json::array();
  rt::Json line = rt::Json::object();
  line.set("text", "02:05");
  line.set("x", 1.5);
  printed.push(line);
  rt::Json bat = rt::Json::object();
  bat.set("size", 2);
  bat.set("x", -0.25);
  rt::Json settings = rt::Json::object();
  settings.set("AddText", "\x82\xA0");
  settings.set("SoundOn", true);
  rt::Json state = rt::Json::object();
  state.set("frame", 7);
  state.set("GameState", 4);
  state.set("bat", bat);
  state.set("printed", printed);
  state.set("settings", settings);
  return state;
}

sys::LRESULT WindowProc(sys::HWND, sys::UINT, sys::WPARAM, sys::LPARAM) {
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  rt::setBackend(rt::makeHeadlessBackend());
  rt::setClock(std::make_unique<rt::VirtualClock>());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  auto commands = rt::ParseScript(std::string(data, data + size), error, GameStateNames());
  if (!error.empty() && !commands.empty()) __builtin_trap();
  if (commands.empty()) return 0;

  // A fresh system each run: the messages a script posts go with it.
  sys::setSystem(sys::makeHeadlessSystem());
  sys::System& system = sys::system();
  system.RegisterClass("fuzz", WindowProc);
  const sys::HWND window =
      system.CreateWindowEx("fuzz", "fuzz", sys::WS_GAME_WINDOW, 100, 50, 800, 600);
  system.ShowWindow(window, sys::SW_SHOWNORMAL);

  rt::VirtualClock clock;
  rt::ScriptDriver driver(std::move(commands), clock, State,
                          [](int status) { throw RunEnded{status}; });
  try {
    for (int frame = 0; frame < kFrames; ++frame) {
      rt::InputFrame input;
      driver.nextFrame(input);
      if (input.mouseX < 0 || input.mouseX > 1 || input.mouseY < 0 || input.mouseY > 1) {
        __builtin_trap();
      }
    }
  } catch (const RunEnded& ended) {
    if (ended.status < 0 || ended.status > 2) __builtin_trap();
  }
  sys::POINT pointer;
  system.GetCursorPos(pointer);
  if (pointer.x < 100 || pointer.x > 900 || pointer.y < 50 || pointer.y > 674) __builtin_trap();
  return 0;
}
