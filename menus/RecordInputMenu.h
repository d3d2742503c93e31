// The record name entry. Its pictures and behaviour arrive with the menus; until then it builds
// nothing.
#pragma once

class TRecordInputMenu {
 public:
  void Build() {}
  void InitialState() { Build(); }
  void FrameUpdate() {}
};
