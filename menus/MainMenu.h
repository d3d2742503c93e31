// The main menu: eight picture buttons over the pulsing background. Its pictures and behaviour
// arrive with the menus; until then it builds nothing.
#pragma once

class TMainMenu {
 public:
  void Build() {}
  void InitialState() { Build(); }
  void FrameUpdate() {}
  void Show() {}
  void ShowButtons() {}
  void HideButtons() {}
};
