// The two-button dialog that asks the program's yes/no questions. Its pictures and behaviour arrive
// with the menus; until then it builds nothing.
#pragma once

class TExitMenu {
 public:
  void Build() {}
  void InitialState() { Build(); }
  void FrameUpdate() {}
  // Prints the question of the current state.
  void DialogTexts() {}
};
