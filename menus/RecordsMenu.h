// The records panel. Its pictures and behaviour arrive with the menus; until then it builds
// nothing.
#pragma once

class TRecordsMenu {
 public:
  void Build() {}
  void InitialState() { Build(); }
  void FrameUpdate() {}
};
