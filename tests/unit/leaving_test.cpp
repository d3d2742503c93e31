// The whole main loop in this process on the headless engine: the leaving state ends the
// program after its own frame, with nothing routed or animated in that frame.
#include <gtest/gtest.h>

#include "app/MLCore.h"
#include "platform/files.h"
#include "runtime/engine_core.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/FadeIn.h"
#include "scene/Scene.h"

namespace {

// Still input that sends the program away at a chosen frame.
class LeaveAtFrame final : public rt::InputSource {
 public:
  explicit LeaveAtFrame(long frame, rt::VirtualClock& clock) : frame_(frame), clock_(clock) {}
  void nextFrame(rt::InputFrame& frame) override {
    frame = rt::InputFrame{};
    frame.clicked[28] = frame.down[28] = true;  // keys pressed in the leaving frame go nowhere
    clock_.advanceMillis(13);
    if (FramesRun == frame_ - 1) GameState = gsLeaving;
    if (FramesRun == 100) {
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
};

TEST(MainLoop, TheLeavingStateEndsAFullScreenProgramAfterThatFrame) {
  files::setGameDir(GLINT_GAME_DIR);
  files::setUserDir(testing::TempDir());
  rt::setBackend(rt::makeHeadlessBackend());
  sys::setSystem(sys::makeHeadlessSystem());
  auto clock = std::make_unique<rt::VirtualClock>();
  LeaveAtFrame input(160, *clock);
  rt::setClock(std::move(clock));
  rt::setInput(input);

  TCoreConfig config;
  FillCoreConfig(config);
  config.DisplaySelector = -1;
  RunMainLoop(config);  // returns only when the program is to end

  // In full screen Alt+Tab and Alt+F4 belong to the game while it runs.
  EXPECT_EQ(input.altTabWhileRunning, 100);
  EXPECT_EQ(input.altF4WhileRunning, 101);
  EXPECT_EQ(sys::system().HotKeyFor(sys::MOD_ALT, 9), -1);

  EXPECT_EQ(FramesRun, 160);
  EXPECT_EQ(GameState, gsLeaving);
  EXPECT_EQ(FadeLevel, 200);
  EXPECT_EQ(sys::system().MainWindow(), 0u) << "the window is destroyed";
}

}  // namespace
