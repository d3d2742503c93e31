// The help panel: it slides in beside the main menu and shows the help pages, starting at the
// first one each time it opens.
#pragma once

#include <cstdint>

#include "menus/SlidingPanel.h"

class THelpMenu {
 public:
  // The panel, built closed and off screen.
  void Build();
  void InitialState();
  // Slides in at page 1.
  void Open();
  void Close();
  // Escape: closes the panel and returns to the main menu.
  void Leave();
  void Keys();
  // The pointer moved to (x, y), in screen pixels.
  void Hover(int x, int y);
  // A left click at (x, y), in screen pixels.
  void Click(int x, int y);
  void FrameUpdate();

  std::uint8_t Selected = 1;  // 1 back, 2 forward
  std::uint8_t Page = 1;      // 1..6
  TSlidingPanel Panel;
};
