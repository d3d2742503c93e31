#include "scene/BatSteering.h"

#include "engine/KeyCodes.h"
#include "engine/impact.h"
#include "runtime/system.h"
#include "scene/PadControls.h"

BatControls ReadBatControls(const TFrameInput& input, std::uint8_t pointerClick, bool windowed) {
  BatControls controls;
  controls.leftKey = input.Down(kKeyLeft);
  controls.rightKey = input.Down(kKeyRight);
  controls.launch = input.Clicked(kKeySpace) || input.Clicked(kKeyLeftCtrl) ||
                    input.Clicked(kKeyRightCtrl) || pointerClick == 1;
  controls.stick = StickDeflection(input.padStick);
  controls.windowed = windowed;
  if (!windowed) {
    controls.pointer = static_cast<long double>(input.mouseX) * 32 - 16;
    return controls;
  }
  if (input.windowFocused && input.pointerKnown) {
    controls.pointer = input.pointerX - input.screenWidth / 2;
  }
  return controls;
}

void RecentrePointer(const TFrameInput& input, bool windowed) {
  if (!windowed) {
    iMouseReset({0.5f, 0.5f});
    return;
  }
  if (!input.windowFocused) return;
  sys::system().SetCursorPos(input.screenWidth / 2, input.screenHeight / 2);
}
