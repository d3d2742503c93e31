// The main loop: window messages, the hidden wait of a full-screen game and the outside hot keys.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/full_screen_settings.h"
#include "tests/support/game_runner.h"

namespace {

using testing_support::Field;
using testing_support::FullScreenSettings;
using testing_support::RunScript;
using testing_support::TempDir;
using testing_support::WriteFile;

void UseFullScreen(const TempDir& user) {
  WriteFile(user.file("data/settings.dat"), FullScreenSettings());
}

// Full screen, menu reached, then the game loses the screen and is waiting.
constexpr const char* kIntoHiddenWait =
    "until 4 400\n"
    "expect displayMode == 1\n"
    "message deactivate\n"
    "frames 2\n"
    "expect window.minimised == 1\n";

TEST(HiddenWait, LosingTheScreenWaitsMinimisedAndActivationBringsTheGameBack) {
  TempDir user;
  UseFullScreen(user);
  const auto run = RunScript(std::string(kIntoHiddenWait) +
                                 "dump\n"
                                 "frames 20\n"
                                 "message activate\n"
                                 "frames 3\n"
                                 "expect window.minimised == 0\n"
                                 "expect displayMode == 1\n"
                                 "expect GameState == 4\n"
                                 "dump\n",
                             user.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  // No frame runs while waiting: the twenty idle frames are not counted.
  EXPECT_EQ(Field(dumps[1], "frame") - Field(dumps[0], "frame"), 2);
}

TEST(HiddenWait, HotKey200BringsTheGameBackAnd201EndsIt) {
  TempDir user;
  UseFullScreen(user);
  auto run = RunScript(std::string(kIntoHiddenWait) +
                           "message hotkey 200\nframes 3\nexpect window.visible == 1\n"
                           "expect GameState == 4\ndump\n",
                       user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Dumps().size(), 1u);

  run =
      RunScript(std::string(kIntoHiddenWait) + "message hotkey 201\nframes 3\ndump\n", user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Dumps().empty()) << "the program went on after hot key 201";
}

TEST(HiddenWait, ClosingTheWaitingWindowEndsTheProgram) {
  TempDir user;
  UseFullScreen(user);
  const auto run =
      RunScript(std::string(kIntoHiddenWait) + "message close\nframes 3\ndump\n", user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Dumps().empty());
}

TEST(MainLoop, CloseEndsTheProgram) {
  TempDir user;
  const auto run = RunScript("until 4 400\nmessage close\nframes 5\ndump\n", user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Dumps().empty());
}

TEST(MainLoop, OutsideHotKeysWhileRunningOnlyPostAQuitThatChangesNothing) {
  TempDir user;
  const auto run = RunScript(
      "until 4 400\nmessage hotkey 201\nmessage hotkey 200\nmessage hotkey 100\n"
      "message hotkey 101\nframes 5\nexpect GameState == 4\n"
      "expect window.visible == 1\ndump\n",
      user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Dumps().size(), 1u);
}

TEST(MainLoop, AWindowedGameKeepsRunningWhenItLosesFocus) {
  TempDir user;
  const auto run = RunScript(
      "until 4 400\nexpect displayMode == 0\nmessage deactivate\nframes 3\n"
      "expect window.minimised == 0\ndump\nframes 2\ndump\n",
      user.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(Field(dumps[1], "frame") - Field(dumps[0], "frame"), 2);
}

}  // namespace
