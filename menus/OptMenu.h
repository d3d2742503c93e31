// The options panel: it slides in beside the main menu and edits a working copy of the settings,
// which Apply saves and makes the live settings.
#pragma once

#include <cstdint>

#include "menus/Settings.h"
#include "menus/SlidingPanel.h"

class TOptMenu {
 public:
  // The panel, built closed and off screen.
  void Build();
  void InitialState();
  // Starts from the live settings and slides in.
  void Open();
  // Applies the working copy, then slides out.
  void Close();
  // Escape: closes the panel and returns to the main menu.
  void Leave();
  // Saves the working copy, starts or stops the menu music as it says and makes it the live
  // settings; a changed display mode asks for a new window and returns to the main menu.
  void Apply();
  // Keys of the panel's screens (choosing an item, typing the name, waiting for the boss key).
  void Keys();
  // The pointer moved to (x, y), in screen pixels.
  void Hover(int x, int y);
  // A left click at (x, y), in screen pixels.
  void Click(int x, int y);
  void FrameUpdate();

  std::uint8_t Selected = 1;  // 1..5
  TSlidingPanel Panel;
  TSettings Working;                // the copy the controls edit; Apply makes it the live settings
  bool DisplayModeChanged = false;  // toggled with Windowed; read and cleared by the main loop
};
