// The records panel. Its pictures and behaviour arrive with the menus; until then it builds
// nothing and the end of a game always returns to the main menu.
#pragma once

class TRecordsMenu {
 public:
  void Build() {}
  void InitialState() { Build(); }
  void FrameUpdate() {}
  // Run when a game ends (after its game-over picture, or from the quit question): back to the
  // main menu. After a game over the menu music also starts again.
  void RecordCheck(bool afterGameOver);
};
