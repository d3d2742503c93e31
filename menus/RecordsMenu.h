// The records panel: it slides in beside the main menu and shows the records table. Also the
// record check that runs when a game ends, and the reset of the table to its defaults.
#pragma once

#include <cstdint>

#include "menus/SlidingPanel.h"

class TRecordsMenu {
 public:
  // The panel, built closed and off screen.
  void Build();
  void InitialState();
  // Slides in, also when already in place.
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

  // The reset question was accepted: the table and its file go back to the defaults and the
  // panel slides in again.
  void Reset();
  // The reset question was refused: the panel slides in again.
  void CancelReset();

  // Run when a game ends (after its game-over picture, or from the quit question): back to the
  // main menu. After a game over the menu music also starts again.
  void RecordCheck(bool afterGameOver);

  std::uint8_t Selected = 1;  // 1 reset, 2 online records
  TSlidingPanel Panel;
};
