#include "app/MLCore.h"

#include <initializer_list>
#include <utility>

#include "engine/KeyCodes.h"
#include "engine/impact.h"
#include "scene/Program.h"
#include "scene/RunFrame.h"
#include "scene/SetupScene.h"

std::array<std::uint8_t, 256> KeyToVirtualKey{};

namespace {

constexpr int kHotKeyAltTab = 100;
constexpr int kHotKeyAltF4 = 101;
constexpr int kHotKeyComeBack = 200;
constexpr int kHotKeyEnd = 201;

// The program the main loop runs, for the window procedure; set while RunMainLoop runs.
TProgram* running = nullptr;
// While false the window procedure handles no message at all.
bool MessagesEnabled = true;
// After the hidden wait: false opens the engine again, true ends the program.
bool ExitAfterHide = false;
// True between the engine's close and its next open.
bool InHiddenWait = false;

std::int32_t DisplaySelectorFromSettings(const TProgram& program) {
  return program.Settings.Windowed ? 0 : -1;
}

void MapRun(int firstCode, std::initializer_list<std::uint8_t> virtualKeys) {
  int code = firstCode;
  for (std::uint8_t key : virtualKeys) KeyToVirtualKey[code++] = key;
}

// One engine pass; false leaves the passes.
bool RunEnginePass(TCoreConfig& config, TProgram& program) {
  sys::System& system = sys::system();
  sys::MSG message;
  if (system.PeekMessage(message)) {
    system.TranslateMessage(message);
    system.DispatchMessage(message);
    return true;
  }
  if (!i3ImpactIsActive() || !i3ImpactIsReady()) return true;
  i3ImpactMain();
  if (!i3ImpactIsExecuting()) return true;
  if (i3ImpactIsInitializing()) {
    i3ImpactInitBegin();
    SetupScene(program);
    i3ImpactInitEnd();
    if (i3ImpactErrorFlag()) return false;
  }
  if (!i3ImpactIsRendering()) return false;
  if (!i3ImpactIsSkippingRunPhase()) {
    i3ImpactRunBegin();
    RunFrame(program);
    config.BossKey = program.Settings.BossKey;
    iKeyClick(config.BossKey);
    i3ImpactRunEnd();
    if (program.RestartRequested != 0 || i3ImpactErrorFlag()) return false;
  }
  if (!i3ImpactIsSkippingRenderPhase()) i3ImpactRender();
  return true;
}

enum class WaitOutcome { OpenEngine, NewWindow, EndProgram };

// The window waits hidden (or minimised on the task bar) with the engine closed until it is
// activated again or told to end.
WaitOutcome WaitHidden(sys::HWND window, TProgram& program) {
  sys::System& system = sys::system();
  system.ShowWindow(window, sys::SW_HIDE);
  if (program.RestoreOnActivate) system.ShowWindow(window, sys::SW_MINIMIZE);
  ExitAfterHide = false;
  InHiddenWait = true;
  sys::MSG message;
  int result = 0;
  while ((result = system.GetMessage(message, window)) > 0 && MessagesEnabled) {
    system.TranslateMessage(message);
    system.DispatchMessage(message);
  }
  InHiddenWait = false;
  if (program.RestoreOnActivate) system.ShowWindow(window, sys::SW_SHOWNORMAL);
  program.RestartRequested = 0;
  if (result < 0) {
    system.DestroyWindow(window);
    const int answer = system.MessageBox(
        "Critical error on GetMessage function. Try to reset program? If No, then saved data "
        "will be losed!",
        "Fatal error", sys::MB_YESNO | sys::MB_ICONWARNING | sys::MB_TOPMOST);
    return answer == sys::IDYES ? WaitOutcome::NewWindow : WaitOutcome::EndProgram;
  }
  if (ExitAfterHide) {
    system.DestroyWindow(window);
    return WaitOutcome::EndProgram;
  }
  return WaitOutcome::OpenEngine;
}

void RunEngine(sys::HWND window, TCoreConfig& config, TProgram& program) {
  sys::System& system = sys::system();
  i3ImpactErrorFlagSet(0);
  program.RestoreOnActivate = false;
  MessagesEnabled = true;
  if (i3ImpactOpen(window, 0)) {
    const std::int32_t values[6] = {
        0, 0, config.EngineMode, config.EngineValueC, config.DisplaySelector, config.EngineValueD};
    const bool accepted = i3ImpactSettings(values) != 0;
    config.EngineValueD = -1;
    if (accepted) {
      if (iDisplayMode() > 0) {
        system.RegisterHotKey(window, kHotKeyAltTab, sys::MOD_ALT, KeyToVirtualKey[kKeyTab]);
      }
      if (iDisplayMode() > 0) {
        system.RegisterHotKey(window, kHotKeyAltF4, sys::MOD_ALT, KeyToVirtualKey[kKeyF4]);
      }
      while (i3ImpactIsRendering() && RunEnginePass(config, program)) {
      }
      i3ImpactExitBegin();
      i3ImpactExitEnd();
    }
  }
  if (iDisplayMode() > 0) system.UnregisterHotKey(window, kHotKeyAltTab);
  if (iDisplayMode() > 0) system.UnregisterHotKey(window, kHotKeyAltF4);
  i3ImpactClose();
  system.DestroyWindow(window);
}

}  // namespace

void BuildKeyTable() {
  KeyToVirtualKey.fill(0);
  MapRun(1, {27, 49, 50, 51, 52, 53, 54, 55, 56, 57, 48, 189, 187, 8, 9});
  MapRun(16, {81, 87, 69, 82, 84, 89, 85, 73, 79, 80, 219, 221, 13, 162});
  MapRun(30, {65, 83, 68, 70, 71, 72, 74, 75, 76, 186, 222, 192, 160, 220});
  MapRun(44, {90, 88, 67, 86, 66, 78, 77, 188, 190, 191, 161, 106, 164, 32, 20});
  MapRun(59, {112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 144, 145});
  MapRun(71, {103, 104, 105, 109, 100, 101, 102, 107, 97, 98, 99, 96, 110});
  for (const auto& [code, key] : std::initializer_list<std::pair<int, std::uint8_t>>{
           {87, 122},  {88, 123}, {156, 13}, {157, 163}, {181, 111}, {183, 42},
           {184, 165}, {197, 19}, {199, 36}, {200, 38},  {201, 33},  {203, 37},
           {205, 39},  {207, 35}, {208, 40}, {209, 34},  {210, 45},  {211, 46},
           {219, 91},  {220, 92}, {221, 93}, {223, 95}}) {
    KeyToVirtualKey[code] = key;
  }
}

void FillCoreConfig(TCoreConfig& config) {
  sys::System& system = sys::system();
  const int width = system.GetSystemMetrics(sys::SM_CXSCREEN);
  const int height = system.GetSystemMetrics(sys::SM_CYSCREEN);
  config.Left = width / 2 - 400;
  config.Top = height / 2 - 300;
  config.Right = width / 2 + 400;
  config.Bottom = height / 2 + 300 + system.GetSystemMetrics(sys::SM_CYCAPTION);
  config.ClassName = "Game";
  config.Caption = kGameTitle;
  config.EngineMode = 15360000;
  config.DisplaySelector = -1;
  config.EngineValueC = 0;
  config.EngineValueD = -1;
  config.BossKey = 64;
}

void RunMainLoop(TCoreConfig& config, TProgram& program) {
  sys::System& system = sys::system();
  running = &program;
  MessagesEnabled = true;
  ExitAfterHide = InHiddenWait = false;
  BuildKeyTable();
  program.RestartRequested = 0;
  system.RegisterClass(config.ClassName, CoreWindowProc);
  for (;;) {
    const sys::HWND window =
        system.CreateWindowEx(config.ClassName, config.Caption, sys::WS_GAME_WINDOW, config.Left,
                              config.Top, config.Right - config.Left, config.Bottom - config.Top);
    if (program.RestartRequested != 0) {
      TOptMenu& options = program.Screens.Options;
      if (options.DisplayModeChanged || program.LanguageChanged) {
        program.RestartRequested = 0;
        config.DisplaySelector = DisplaySelectorFromSettings(program);
        options.DisplayModeChanged = false;
        program.LanguageChanged = false;
      } else {
        const WaitOutcome outcome = WaitHidden(window, program);
        if (outcome == WaitOutcome::NewWindow) continue;
        if (outcome == WaitOutcome::EndProgram) break;
      }
    }
    RunEngine(window, config, program);
    if (program.RestartRequested == 0) break;
  }
  running = nullptr;
}

sys::LRESULT CoreWindowProc(sys::HWND window, sys::UINT message, sys::WPARAM wParam,
                            sys::LPARAM lParam) {
  if (!MessagesEnabled) return 0;
  sys::System& system = sys::system();
  // Outside a run (a window of a test) only the system's own handling applies.
  if (running == nullptr) return system.DefWindowProc(window, message, wParam, lParam);
  TProgram& program = *running;
  switch (message) {
    case sys::WM_ACTIVATE:
      if (program.RestoreOnActivate) {
        ExitAfterHide = false;
        system.PostQuitMessage(0);
        MessagesEnabled = false;
        return 0;
      }
      break;
    case sys::WM_PAINT:
      if (i3ImpactIsReady()) iScreenWipe(0, 0, 0);
      break;
    case sys::WM_CLOSE:
      i3ImpactIsRenderingSet(0);
      system.PostQuitMessage(0);
      // Closing the waiting window ends the program instead of bringing the game back.
      if (InHiddenWait) ExitAfterHide = true;
      return 0;
    case sys::WM_ACTIVATEAPP:
      if ((wParam & 0xFF) == 0 && !i3ImpactIsInitializing() && i3ImpactIsRendering() &&
          iDisplayMode() > 0) {
        // A full-screen game that loses the screen waits minimised on the task bar.
        program.RestartRequested = -1;
        program.RestoreOnActivate = true;
        return 0;
      }
      break;
    case sys::WM_HOTKEY:
      if (program.States.Current() == gsOptionsKey) {
        program.States.Change(gsOptions);
        break;
      }
      if (wParam == kHotKeyComeBack || wParam == kHotKeyEnd) {
        ExitAfterHide = wParam == kHotKeyEnd;
        system.PostQuitMessage(0);
        return 0;
      }
      break;
    default:
      break;
  }
  return system.DefWindowProc(window, message, wParam, lParam);
}
