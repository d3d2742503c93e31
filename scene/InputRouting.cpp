#include "scene/InputRouting.h"

#include "runtime/system.h"
#include "scene/Scene.h"

namespace {

PrintPoint lastPointer;  // print units; the first routed frame counts as a move

void PlaceCursor(const PrintPoint& at) {
  iSpriteLocationSet(CursorSprite,
                     {static_cast<float>(at.x - 0.1L), static_cast<float>(at.y - 0.4L)});
}

}  // namespace

PrintPoint ReadPointer() {
  if (Settings.Windowed) {
    // In a window the system pointer counts, and is hidden only while over the picture.
    sys::System& system = sys::system();
    sys::POINT pointer;
    sys::RECT rect;
    if (!system.GetCursorPos(pointer) || !system.GetWindowRect(system.MainWindow(), rect)) {
      return lastPointer;
    }
    rect.top += system.GetSystemMetrics(sys::SM_CYCAPTION);
    const bool inside = rect.left <= pointer.x && pointer.x <= rect.right &&
                        rect.top <= pointer.y && pointer.y <= rect.bottom;
    if (!inside || rect.right == rect.left || rect.bottom == rect.top) {
      system.ShowCursor(true);
      return lastPointer;
    }
    PrintPoint at;
    at.x = static_cast<long double>(pointer.x - rect.left) / (rect.right - rect.left) * 32 - 16;
    at.y = 12 - static_cast<long double>(pointer.y - rect.top) / (rect.bottom - rect.top) * 24;
    PlaceCursor(at);
    system.ShowCursor(false);
    return at;
  }
  PrintPoint at;
  at.x = static_cast<long double>(iMouseX()) * 32 - 16;
  at.y = 12 - static_cast<long double>(iMouseY()) * 24;
  PlaceCursor(at);
  return at;
}

void RouteKeys() {}

void RoutePointerMove() {
  lastPointer = ReadPointer();
}

void RoutePointerClick() {
  ReadPointer();
  if (iMouseButtonClick(0)) {
    PointerClick = 1;
  } else if (iMouseButtonClick(1)) {
    PointerClick = 2;
  } else {
    PointerClick = 0;
  }
}
