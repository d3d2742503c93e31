#include "scene/AttractDemo.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/MeshSprite.h"
#include "platform/files.h"
#include "replay/GameVersion.h"
#include "scene/InputRouting.h"
#include "scene/PadControls.h"
#include "scene/Program.h"

namespace {

// A key, a click, a pad's button or stick, or the pointer moved since the frame before.
bool AnyInput(const TFrameInput& input, const TFrameInput& before) {
  const auto pressed = [](const std::array<bool, 256>& keys) {
    return std::find(keys.begin(), keys.end(), true) != keys.end();
  };
  return pressed(input.down) || pressed(input.clicked) || input.leftClick || input.rightClick ||
         PadInUse(input) || input.mouseX != before.mouseX || input.mouseY != before.mouseY ||
         input.pointerX != before.pointerX || input.pointerY != before.pointerY;
}

// The main menu alone, on a window that has the focus: what a player who walked away leaves.
bool IdleMenu(const TProgram& program) {
  const TFrameInput& input = program.Input;
  return program.States.Current() == gsMainMenu && program.MenuMode && program.FadeLevel >= 200 &&
         (!input.windowKnown || input.windowFocused);
}

}  // namespace

void TAttractDemo::Watch(TProgram& program) {
  const TFrameInput& input = program.Input;
  const bool idle = IdleMenu(program) && !AnyInput(input, last_);
  last_ = input;
  if (!idle) {
    idleMs_ = 0;
    return;
  }
  // A stall counts for nothing, as for the frame factor.
  if (input.stepMs > 0 && input.stepMs <= 1000) idleMs_ += input.stepMs;
  if (idleMs_ < kDemoIdleMs) return;
  idleMs_ = 0;
  auto demo = NextDemo();
  if (!demo) return;
  menu_ = {program.Screens.Main.Selected, program.Screens.Dialog.Selected, program.CursorFrame,
           program.CursorFrameChanged, program.StatusBlink};
  program.Playback.Queue(std::move(*demo), TPlaybackKind::Demo);
}

bool TAttractDemo::Interrupted(const TFrameInput& live) {
  const bool input = AnyInput(live, last_);
  last_ = live;
  return input;
}

void TAttractDemo::End(TProgram& program) {
  TPlayback& playback = program.Playback;
  playback.Finish(program);
  playback.TakeFinish();
  // The demo's game goes as an ended game does, with whatever it was showing.
  TScreens& screens = program.Screens;
  screens.Dialog.Hide();
  program.Game.HidePausePicture();
  program.Media.GameOverPicture->Hide();
  program.Game.HideSplash();
  program.Music.Stop();
  program.Music.SetGameVolume(1);
  program.Host.LeaveEndedGame();
  program.States.Change(gsMainMenu);
  iPrintsHide();
  program.Host.PlayMenuMusic();
  program.ShowCursorSprite();
  screens.Main.Selected = menu_.Selected;
  screens.Dialog.Selected = menu_.DialogSelected;
  program.CursorFrame = menu_.CursorFrame;
  program.CursorFrameChanged = menu_.CursorFrameChanged;
  program.StatusBlink = menu_.StatusBlink;
  // The pointer stands where the devices have it: a move that ended the demo is not taken for a
  // move over the menu, which would change its selection.
  program.Input = last_;
  program.LastPointer = ReadPointer(program);
  idleMs_ = 0;
}

std::optional<TReplay> TAttractDemo::NextDemo() {
  const std::string folder = files::gamePath(kDemoFolder);
  std::vector<std::string> names;
  for (const std::string& name : files::listFolder(folder)) {
    if (name.ends_with(".glr") && !refused_.count(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  const std::uint64_t levels = TGame::LevelFileHash();
  for (std::size_t tried = 0; tried < names.size(); ++tried) {
    const std::string& name = names[(turn_ + tried) % names.size()];
    const std::string path = folder + "/" + name;
    std::string why = "cannot be read";
    if (const auto bytes = files::readAll(path, kMaxReplayBytes)) {
      auto replay = DecodeReplay(*bytes, why);
      if (replay) why = ReplayMismatch(*replay, kGameVersion, levels);
      if (replay && why.empty()) {
        turn_ = (turn_ + tried + 1) % names.size();
        return replay;
      }
    }
    std::fprintf(stderr, "glintbreaker: the demo %s %s; it is left out\n", path.c_str(),
                 why.c_str());
    refused_.insert(name);
  }
  return std::nullopt;
}
