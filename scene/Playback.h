// A replay played into the program: the replay viewer, the check of a replay without a window,
// and the attract demo. Its game starts from the main menu as the recorded one did (the seed,
// the settings and the screen values its input went through), and every frame takes the
// recorded frame's input in place of the devices'. The devices stay the viewer's: nothing the
// replayed game does moves the pointer or hides the window, and nothing is recorded or written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gameplay/Random.h"
#include "replay/ReplayFile.h"
#include "userdata/Settings.h"

class TProgram;

enum class TPlaybackKind : std::uint8_t {
  Watched,  // in the window, at the pace the viewer picks (glintbreaker --replay)
  Checked,  // without a window, as fast as it goes (--headless --replay)
  Demo,     // the attract demo on the idle main menu
};

class TPlayback {
 public:
  // `replay` plays from the next frame on the main menu.
  void Queue(TReplay replay, TPlaybackKind kind);
  bool Queued() const { return queued_; }
  // A replayed game runs.
  bool Active() const { return active_; }
  TPlaybackKind Kind() const { return kind_; }

  // Starts the queued replay's game from the main menu, within this frame: the game begins as
  // the recorded one did and its first level loads.
  void Begin(TProgram& program);
  // The next recorded frame's input becomes the program's frame input; false when every frame
  // has been played.
  bool NextFrame(TProgram& program);
  // The replayed game ended, or its frames are spent: where it got to is held against the
  // recording, and the program's own settings and random generator come back.
  void Finish(TProgram& program);
  // True once after each Finish: the caller follows the replay's end up.
  bool TakeFinish();

  // The replay's seed, for the game it starts.
  std::uint64_t Seed() const { return replay_.Start.Seed; }
  std::uint32_t FramesPlayed() const { return played_; }
  std::uint32_t Frames() const { return replay_.Frames; }
  // The game ended as recorded: at the last frame, with the recorded score, level and state.
  bool Reproduced() const;
  // "score 1160, level 2, state 0123456789abcdef", and whether that is what was recorded.
  std::string ResultLine() const;

 private:
  TReplay replay_;
  std::optional<TFrameDecoder> frames_;
  TPlaybackKind kind_ = TPlaybackKind::Watched;
  bool queued_ = false;
  bool active_ = false;
  bool finished_ = false;  // not yet taken
  std::uint32_t played_ = 0;
  std::size_t nextReseed_ = 0;
  TReplayResult result_;
  // The program's own, while the replay's stand in for them.
  TSettings savedSettings_;
  TRandomState savedRandom_;
};
