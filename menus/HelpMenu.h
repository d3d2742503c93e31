// The help panel with its six pages. Its pictures and behaviour arrive with the menus; until then
// it builds nothing.
#pragma once

class THelpMenu {
 public:
  void Build() {}
  void InitialState() { Build(); }
  void FrameUpdate() {}
};
