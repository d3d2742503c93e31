// The record name entry: after a game with a new record it asks for the name that goes into the
// records table and the player's second name. Its pictures and behaviour arrive with the records.
#pragma once

class TRecordInputMenu {
 public:
  void Build();
  void InitialState();
  void Keys();
  // The pointer moved to (x, y) in print units, (px, py) in screen pixels.
  void Hover(long double x, long double y, int px, int py);
  // A left click at (x, y) in print units, (px, py) in screen pixels.
  void Click(long double x, long double y, int px, int py);
  void FrameUpdate();
};
