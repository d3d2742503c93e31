// The attract demo: after 30 s without input on the main menu, a game from the replays shipped
// with the game (demos/ in the game folder, each in turn) plays by itself. Any key, click or move
// of the pointer ends it, and the main menu is back exactly as it was, its selection included.
// A demo writes nothing: no replay, no records, no settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "engine/FrameInput.h"
#include "replay/ReplayFile.h"
#include "scene/PrintPoint.h"

class TProgram;

inline constexpr std::int64_t kDemoIdleMs = 30000;
inline constexpr const char* kDemoFolder = "demos";

class TAttractDemo {
 public:
  // After each frame of the program's own: counts the time the main menu has stood without
  // input; once it has stood 30 s, the next demo is queued for the next frame.
  void Watch(TProgram& program);
  // In each frame of a demo, on the devices' input: true when it ends the demo.
  bool Interrupted(const TFrameInput& live);
  // The demo's game goes, and the main menu comes back as it was before the demo.
  void End(TProgram& program);

 private:
  // What the main menu holds that a demo's game changes.
  struct TMenu {
    std::uint8_t Selected = 1;
    std::uint8_t DialogSelected = 1;
    int CursorFrame = 1;
    std::uint32_t CursorFrameChanged = 0;
    long double StatusBlink = 0;
  };

  // The next shipped demo this game can play, in turn; a file it cannot play says why once.
  std::optional<TReplay> NextDemo();

  std::int64_t idleMs_ = 0;
  TFrameInput last_;  // the devices' input of the frame before
  TMenu menu_;
  std::size_t turn_ = 0;
  std::set<std::string> refused_;
};
