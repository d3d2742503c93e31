#include "scene/FrameSampling.h"

#include "engine/PadCodes.h"
#include "engine/impact.h"
#include "runtime/system.h"
#include "scene/PadControls.h"
#include "scene/Program.h"

TFrameInput SampleFrameInput(TProgram& program) {
  TFrameInput input;
  sys::System& system = sys::system();
  std::int64_t now = 0;
  system.QueryPerformanceCounter(now);
  input.tick = static_cast<std::uint32_t>(program.Timing.Millis(now));
  input.stepMs = program.Timing.StartFrame(now);
  input.k = FrameFactor(input.stepMs);
  input.engineTime = iSystemTimer();

  for (int code = 0; code < 256; ++code) {
    input.down[static_cast<std::size_t>(code)] = iKeyDown(code);
    input.clicked[static_cast<std::size_t>(code)] = iKeyClick(code);
  }
  input.leftClick = iMouseButtonClick(0);
  input.rightClick = iMouseButtonClick(1);
  input.mouseX = iMouseX();
  input.mouseY = iMouseY();
  for (int button = 0; button < kPadButtons; ++button) {
    if (iPadButtonDown(button)) input.padDown |= 1u << button;
    if (iPadButtonClick(button)) input.padClicked |= 1u << button;
  }
  input.padStick = StickSteps(iPadAxis(kPadLeftX));

  const sys::HWND window = system.MainWindow();
  sys::POINT pointer;
  input.pointerKnown = system.GetCursorPos(pointer);
  input.pointerX = pointer.x;
  input.pointerY = pointer.y;
  sys::RECT rect;
  input.windowKnown = system.GetWindowRect(window, rect);
  input.windowLeft = rect.left;
  input.windowTop = rect.top + system.GetSystemMetrics(sys::SM_CYCAPTION);
  input.windowRight = rect.right;
  input.windowBottom = rect.bottom;
  input.windowFocused = system.HasFocus(window);
  input.screenWidth = system.GetSystemMetrics(sys::SM_CXSCREEN);
  input.screenHeight = system.GetSystemMetrics(sys::SM_CYSCREEN);
  return input;
}
