// The replay viewer's controls and marks (glintbreaker --replay): 1, 2, 4 and 8, or Right and
// Left, set the pace; Space or P pauses; Escape leaves. A small mark in the corner says that a
// replay plays, at what pace, or that it is the attract demo. The last picture of a replay says
// that it has ended and whether the game went as recorded; Escape, Enter or Space then leave.
#pragma once

#include "engine/FrameInput.h"

class TProgram;

class TReplayViewer {
 public:
  // What the viewer's keys (`live`) ask of this frame: the recorded frames to play in it (none
  // while paused), or -1 to leave.
  int FramesThisPass(const TFrameInput& live);
  // While paused no frame runs: the lines of the last picture are printed again, so it stays
  // whole.
  void HoldPicture() const;
  // The mark over a replayed game.
  void PrintMark(const TProgram& program) const;
  // The last picture of a viewed replay, until a key leaves it.
  void EndScreen(TProgram& program) const;

  int Speed() const { return speed_; }
  bool Paused() const { return paused_; }

 private:
  int speed_ = 1;  // 1, 2, 4 or 8 recorded frames a frame
  bool paused_ = false;
};
