// The whole main loop in this process on the headless engine: the leaving state ends the
// program after its own frame, with nothing routed or animated in that frame.
#include <gtest/gtest.h>

#include "app/MLCore.h"
#include "platform/files.h"
#include "runtime/engine_core.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/Program.h"

namespace {

// Still input that asks to leave the program (Escape, then Enter on "Yes") so that it leaves at a
// chosen frame, and presses keys in that frame.
class LeaveAtFrame final : public rt::InputSource {
 public:
  LeaveAtFrame(long frame, rt::VirtualClock& clock, const TProgram& program)
      : frame_(frame), clock_(clock), program_(program) {}
  void nextFrame(rt::InputFrame& frame) override {
    frame = rt::InputFrame{};
    clock_.advanceMillis(13);
    const long next = program_.FramesRun + 1;
    const auto press = [&frame](int code) { frame.clicked[code] = frame.down[code] = true; };
    if (next == frame_ - 2) press(1);
    if (next == frame_ - 1) press(28);
    // Keys pressed in the leaving frame go nowhere.
    if (next == frame_) {
      press(1);
      press(208);
      press(28);
    }
    if (program_.FramesRun == 100) {
      altTabWhileRunning = sys::system().HotKeyFor(sys::MOD_ALT, 9);
      altF4WhileRunning = sys::system().HotKeyFor(sys::MOD_ALT, 115);
    }
  }
  int altTabWhileRunning = -1;
  int altF4WhileRunning = -1;
  void resetMouse(float, float) override {}

 private:
  long frame_;
  rt::VirtualClock& clock_;
  const TProgram& program_;
};

TEST(MainLoop, TheLeavingStateEndsAFullScreenProgramAfterThatFrame) {
  files::setGameDir(GLINT_GAME_DIR);
  files::setUserDir(testing::TempDir());
  rt::setBackend(rt::makeHeadlessBackend());
  sys::setSystem(sys::makeHeadlessSystem());
  TProgram program(TSettings{}, TRecordsTable::Defaults());
  auto clock = std::make_unique<rt::VirtualClock>();
  LeaveAtFrame input(160, *clock, program);
  rt::setClock(std::move(clock));
  rt::setInput(input);

  TCoreConfig config;
  FillCoreConfig(config);
  config.DisplaySelector = -1;
  RunMainLoop(config, program);  // returns only when the program is to end

  // In full screen Alt+Tab and Alt+F4 belong to the game while it runs.
  EXPECT_EQ(input.altTabWhileRunning, 100);
  EXPECT_EQ(input.altF4WhileRunning, 101);
  EXPECT_EQ(sys::system().HotKeyFor(sys::MOD_ALT, 9), -1);

  EXPECT_EQ(program.FramesRun, 160);
  EXPECT_EQ(program.States.Current(), gsLeaving);
  EXPECT_EQ(program.FadeLevel, 200);
  EXPECT_EQ(program.Screens.Main.Selected, 1) << "nothing routed in the leaving frame";
  EXPECT_EQ(sys::system().MainWindow(), 0u) << "the window is destroyed";
}

}  // namespace
