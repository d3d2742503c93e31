#include "scene/ReplayViewer.h"

#include <string>

#include "engine/KeyCodes.h"
#include "runtime/engine_core.h"
#include "scene/Program.h"
#include "scene/StatusLine.h"

namespace {

constexpr int kSpeeds[] = {1, 2, 4, 8};
// The mark sits in the bottom-left corner, under the field's wall.
constexpr float kMarkX = -15.6f, kMarkY = -11.55f, kMarkScale = 0.32f, kMarkSize = 0.1f;
constexpr iColor4 kMarkColour = {1, 1, 0.6f, 0.85f};
constexpr iColor4 kEndColour = {1, 1, 0, 1};

// The viewer's own texts, in the letters every font of the game has.
constexpr std::string_view kReplayMark = "replay";
constexpr std::string_view kPausedMark = "paused";
constexpr std::string_view kDemoMark = "demo";
constexpr std::string_view kEndTitle = "End of the replay";
constexpr std::string_view kAsRecorded = "The game went as recorded";
constexpr std::string_view kNotAsRecorded = "The game did not go as recorded";
constexpr std::string_view kWayOut = "Esc: leave";

int NextSpeed(int speed, bool faster) {
  if (faster) return speed < 8 ? speed * 2 : speed;
  return speed > 1 ? speed / 2 : speed;
}

}  // namespace

int TReplayViewer::FramesThisPass(const TFrameInput& live) {
  if (live.Clicked(kKeyEscape)) return -1;
  if (live.Clicked(kKeySpace) || live.Clicked(kKeyP) || live.Clicked(kKeyPause)) {
    paused_ = !paused_;
  }
  for (const auto& [key, speed] : {std::pair{kKey1, 1}, {kKey2, 2}, {kKey4, 4}, {kKey8, 8}}) {
    if (live.Clicked(key)) speed_ = speed;
  }
  if (live.Clicked(kKeyRight)) speed_ = NextSpeed(speed_, true);
  if (live.Clicked(kKeyLeft)) speed_ = NextSpeed(speed_, false);
  return paused_ ? 0 : speed_;
}

void TReplayViewer::HoldPicture() const {
  for (const rt::PrintedLine& line : rt::enginePrintedAtLastRender()) {
    // The mark is printed anew: the pace or the pause may have changed.
    if (line.x == kMarkX && line.y == kMarkY) continue;
    iPrintColorSet(line.colour.r, line.colour.g, line.colour.b, line.colour.a);
    iPrint(line.text.c_str(), {line.x, line.y}, line.scale, 0, line.font);
  }
  iPrintColorSet(1, 1, 1, 1);
}

void TReplayViewer::PrintMark(const TProgram& program) const {
  std::string mark;
  switch (program.Playback.Kind()) {
    case TPlaybackKind::Demo:
      mark = kDemoMark;
      break;
    case TPlaybackKind::Watched:
      mark = kReplayMark;
      if (speed_ > 1) mark += " x" + std::to_string(speed_);
      if (paused_) mark += ", " + std::string(kPausedMark);
      break;
    case TPlaybackKind::Checked:
      return;
  }
  const TPanelLine line{mark, kMarkX, kMarkY, kMarkScale, kMarkColour};
  program.Screens.Kit.AddLines({&line, 1}, kMarkSize);
}

void TReplayViewer::EndScreen(TProgram& program) const {
  const TFrameInput& live = program.Input;
  if (live.Clicked(kKeyEscape) || live.Clicked(kKeyEnter) || live.Clicked(kKeySpace)) {
    program.States.Change(gsLeaving);
    return;
  }
  const TPanelLine lines[] = {
      {kEndTitle, -6.2f, 1.2f, 0.75f, kEndColour},
      {program.Playback.Reproduced() ? kAsRecorded : kNotAsRecorded, -5.4f, -0.6f, 0.45f,
       kEndColour},
      {kWayOut, -2.4f, -2.2f, 0.4f, kMarkColour},
  };
  program.Screens.Kit.AddLines(lines, kMarkSize);
  PrintStatusLine(program, false);
}
