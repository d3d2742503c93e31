// The state machine walks every move the program makes: each lands on its screen with the
// actions of leaving the one and entering the other, and a move the program never makes is
// refused.
#include "scene/StateMachine.h"

#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <vector>

#include "platform/files.h"
#include "runtime/engine_core.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/Program.h"
#include "scene/SetupScene.h"
#include "tests/support/headless_engine.h"

namespace {

// The program set up on the headless engine over the built game folder, its game's resources
// made.
class StateMachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files::setUserDir(::testing::TempDir());
    sys::setSystem(sys::makeHeadlessSystem());
    engine_ = std::make_unique<testing_support::HeadlessEngine>();
    SetupScene(program_);
    program_.Game.CreateResources();
  }
  void TearDown() override { engine_.reset(); }

  // The moves from the main menu that reach `state` first (breadth first).
  static std::vector<std::uint8_t> PathTo(std::uint8_t state) {
    std::map<std::uint8_t, std::uint8_t> cameFrom{{gsMainMenu, gsMainMenu}};
    std::queue<std::uint8_t> open;
    open.push(gsMainMenu);
    while (!open.empty()) {
      const std::uint8_t at = open.front();
      open.pop();
      for (const TStateMove& move : TStateMachine::Moves()) {
        if (move.from != at || cameFrom.count(move.to)) continue;
        cameFrom[move.to] = at;
        open.push(move.to);
      }
    }
    std::vector<std::uint8_t> path;
    if (!cameFrom.count(state)) return path;
    for (std::uint8_t at = state; at != gsMainMenu; at = cameFrom[at])
      path.insert(path.begin(), at);
    return path;
  }

  bool CursorShown() const {
    for (const rt::SpriteView& sprite : rt::engineSprites()) {
      if (sprite.handle == program_.Media.CursorSprite) return sprite.visible;
    }
    return false;
  }

  std::unique_ptr<testing_support::HeadlessEngine> engine_;
  TProgram program_{TSettings{}, TRecordsTable::Defaults()};
};

TEST_F(StateMachineTest, EveryMoveLandsWithItsActionsAndNoOtherMoveIsMade) {
  for (const TStateMove& move : TStateMachine::Moves()) {
    SCOPED_TRACE(std::to_string(move.from) + " -> " + std::to_string(move.to));
    // A machine of its own from the main menu, along the moves to `from`.
    const std::vector<std::uint8_t> path = PathTo(move.from);
    ASSERT_TRUE(move.from == gsMainMenu || !path.empty()) << "unreachable";
    TStateMachine walker(program_);
    for (const std::uint8_t step : path) ASSERT_TRUE(walker.Change(step));
    ASSERT_EQ(walker.Current(), move.from);

    // What the actions touch, set the other way: hidden, or in between; the pause picture up,
    // which only leaving the pause takes away.
    program_.Screens.Dialog.Hide();
    program_.Screens.Main.HideButtons();
    program_.HideCursorSprite();
    program_.Music.SetGameVolume(0.5f);
    program_.Game.ShowPausePicture();

    ASSERT_TRUE(walker.Change(move.to));
    EXPECT_EQ(walker.Current(), move.to);
    const std::uint8_t to = move.to;
    const bool dialog = to == gsQuitConfirm || to == gsExitConfirm || to == gsRecordsResetConfirm ||
                        to == gsSubmitAsk;
    EXPECT_EQ(program_.Screens.Dialog.Shown(), dialog);
    EXPECT_EQ(program_.Screens.Main.ButtonsShown(), to == gsMainMenu || to == gsRecords);
    EXPECT_EQ(CursorShown(), to == gsQuitConfirm);
    EXPECT_EQ(program_.Game.PausePictureShown(), to == gsPaused || move.from != gsPaused);
    const float volume = to == gsPaused || to == gsQuitConfirm ? 0.0f
                         : to == gsPlaying                     ? 1.0f
                                                               : 0.5f;
    EXPECT_EQ(program_.Music.GameVolume(), volume);
    if (to == gsRecordsResetConfirm) {
      EXPECT_EQ(program_.Screens.Dialog.Selected, 2) << "No comes selected";
    }
    EXPECT_EQ(walker.Refused(), 0);
  }
}

TEST_F(StateMachineTest, AMoveTheProgramNeverMakesIsRefusedAndStayingRunsNothing) {
  TStateMachine& states = program_.States;
  program_.Screens.Main.HideButtons();
  EXPECT_TRUE(states.Change(gsMainMenu)) << "staying";
  EXPECT_FALSE(program_.Screens.Main.ButtonsShown()) << "no entry action for staying";
  for (const std::uint8_t to : {gsPlaying, gsPaused, gsLeaving, gsSubmitting}) {
    EXPECT_FALSE(states.Change(to)) << static_cast<int>(to);
    EXPECT_EQ(states.Current(), gsMainMenu);
  }
  EXPECT_EQ(states.Refused(), 4);
  ASSERT_TRUE(states.Change(gsExitConfirm));
  ASSERT_TRUE(states.Change(gsLeaving));
  EXPECT_FALSE(states.Change(gsMainMenu)) << "nothing comes after leaving";
}

}  // namespace
