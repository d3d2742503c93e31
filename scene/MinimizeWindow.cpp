#include "runtime/system.h"
#include "scene/Scene.h"

bool RestoreOnActivate = false;

void MinimizeGameWindow() {
  const bool fullScreen = !Settings.Windowed;
  if (fullScreen) RestoreOnActivate = true;
  sys::System& system = sys::system();
  system.SendMessage(system.FindWindow(kGameTitle), sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
  if (fullScreen) SetRestartRequested(-1);
}
