#include "scene/Playback.h"

#include <cinttypes>
#include <cstdio>

#include "scene/FrameTiming.h"
#include "scene/GameFingerprint.h"
#include "scene/Program.h"
#include "scene/RunFrame.h"

namespace {

std::string Describe(const TReplayResult& result) {
  char text[96];
  std::snprintf(text, sizeof text, "score %" PRId32 ", level %" PRId32 ", state %016" PRIx64,
                result.Score, result.Level, result.StateHash);
  return text;
}

}  // namespace

void TPlayback::Queue(TReplay replay, TPlaybackKind kind) {
  replay_ = std::move(replay);
  kind_ = kind;
  queued_ = true;
}

void TPlayback::Begin(TProgram& program) {
  queued_ = false;
  active_ = true;
  finished_ = false;
  played_ = 0;
  nextReseed_ = 0;
  const TReplayStart& start = replay_.Start;
  frames_.emplace(replay_.FrameBits, start.Pointer, start.Tick, replay_.Frames);
  savedSettings_ = program.Settings;
  savedRandom_ = SaveRandom();

  // As the main menu's first item starts a game, but with the panels left as they are: closing
  // them writes the settings file.
  program.Screens.Main.HideButtons();
  iPrintsHide();
  program.Host.StartGame();
  TSettings& settings = program.Settings;
  settings.Windowed = start.Pointer == TPointerSource::System ? 1 : 0;
  settings.BossKey = start.BossKey;
  settings.BossShift = (start.BossModifiers & kBossShift) ? 1 : 0;
  settings.BossAlt = (start.BossModifiers & kBossAlt) ? 1 : 0;
  settings.BossCtrl = (start.BossModifiers & kBossCtrl) ? 1 : 0;
  // The rest of the frame the game started in, with nothing pressed: the first level loads.
  TFrameInput& input = program.Input;
  input.down.fill(false);
  input.clicked.fill(false);
  input.leftClick = input.rightClick = false;
  input.tick = start.Tick;
  RunScreensAndGame(program);
  program.LastPointer = {start.PointerX, start.PointerY};
  program.Screens.Dialog.Selected = start.DialogSelected;
}

bool TPlayback::NextFrame(TProgram& program) {
  if (!active_ || !frames_) return false;
  const auto& reseeds = replay_.Reseeds;
  while (nextReseed_ < reseeds.size() && reseeds[nextReseed_].Frame <= played_) {
    SeedRandom(reseeds[nextReseed_++].Seed);
  }
  TFrameInput frame;
  if (!frames_->Next(frame)) return false;
  frame.k = FrameFactor(frame.stepMs);
  // Carets blink by the engine's own timer, which is the viewer's.
  frame.engineTime = program.Input.engineTime;
  program.Input = frame;
  ++played_;
  return true;
}

void TPlayback::Finish(TProgram& program) {
  if (!active_) return;
  const TGame& game = program.Game;
  result_ = {game.GetScore(), game.GetLevel(), GameFingerprint(game)};
  active_ = false;
  finished_ = true;
  frames_.reset();
  program.Settings = savedSettings_;
  RestoreRandom(savedRandom_);
}

bool TPlayback::TakeFinish() {
  const bool finished = finished_;
  finished_ = false;
  return finished;
}

bool TPlayback::Reproduced() const {
  return !active_ && played_ == replay_.Frames && result_ == replay_.Result;
}

std::string TPlayback::ResultLine() const {
  std::string line = Describe(result_);
  if (Reproduced()) return line + ": as recorded";
  line += ": not as recorded (" + Describe(replay_.Result);
  if (played_ != replay_.Frames) {
    line += ", after " + std::to_string(replay_.Frames) + " frames, not " + std::to_string(played_);
  }
  return line + ")";
}
