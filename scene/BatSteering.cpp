#include "scene/BatSteering.h"

#include "engine/KeyCodes.h"
#include "runtime/system.h"
#include "scene/Scene.h"

namespace {

bool WindowHasFocus() {
  const sys::System& system = sys::system();
  return system.HasFocus(system.MainWindow());
}

}  // namespace

BatControls ReadBatControls() {
  BatControls controls;
  controls.leftKey = iKeyDown(kKeyLeft);
  controls.rightKey = iKeyDown(kKeyRight);
  controls.launch = iKeyClick(kKeySpace) || iKeyClick(kKeyLeftCtrl) || iKeyClick(kKeyRightCtrl) ||
                    PointerClick == 1;
  controls.windowed = Settings.Windowed != 0;
  if (!controls.windowed) {
    controls.pointer = static_cast<long double>(iMouseX()) * 32 - 16;
    return controls;
  }
  sys::System& system = sys::system();
  sys::POINT pointer;
  if (WindowHasFocus() && system.GetCursorPos(pointer)) {
    controls.pointer = pointer.x - system.GetSystemMetrics(sys::SM_CXSCREEN) / 2;
  }
  return controls;
}

void RecentrePointer() {
  if (!Settings.Windowed) {
    iMouseReset({0.5f, 0.5f});
    return;
  }
  if (!WindowHasFocus()) return;
  sys::System& system = sys::system();
  system.SetCursorPos(system.GetSystemMetrics(sys::SM_CXSCREEN) / 2,
                      system.GetSystemMetrics(sys::SM_CYSCREEN) / 2);
}
