#include "scene/BatSteering.h"

#include "runtime/system.h"
#include "scene/Scene.h"

namespace {

constexpr int kLeftArrow = 203;
constexpr int kRightArrow = 205;
constexpr int kSpace = 57;
constexpr int kLeftCtrl = 29;
constexpr int kRightCtrl = 157;

bool WindowHasFocus() {
  const sys::System& system = sys::system();
  return system.HasFocus(system.MainWindow());
}

}  // namespace

BatControls ReadBatControls() {
  BatControls controls;
  controls.leftKey = iKeyDown(kLeftArrow);
  controls.rightKey = iKeyDown(kRightArrow);
  controls.launch =
      iKeyClick(kSpace) || iKeyClick(kLeftCtrl) || iKeyClick(kRightCtrl) || PointerClick == 1;
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
