// The options panel. Its pictures and controls arrive with the menus; until then it keeps the
// working copy of the settings and the display-mode request the main loop reads.
#pragma once

#include "menus/Settings.h"

class TOptMenu {
 public:
  void Build() {}
  void InitialState() {
    Build();
    DisplayModeChanged = false;
  }
  void FrameUpdate() {}

  TSettings Working;                // the copy the controls edit; Apply makes it the live settings
  bool DisplayModeChanged = false;  // toggled with Windowed; read and cleared by the main loop
};
