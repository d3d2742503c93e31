// Replays in the real window: a recorded game watched at 4x reaches the score it was recorded
// with, under its "replay" mark, and ends on a picture that says so; the idle main menu plays the
// attract demo. The pictures are kept in e2e-shots/replay/ of the build folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/e2e/private_display.h"
#include "tests/e2e/window_game.h"
#include "tests/support/game_runner.h"

namespace {

using testing_support::Field;
using testing_support::TempDir;

TEST(ReplayWindow, AGameWatchedAtFourTimesReachesItsScoreAndTheIdleMenuPlaysTheDemo) {
  const TempDir player, viewer;
  // A game recorded headless: the ball launched, the bat swept, the game given up.
  const auto played = testing_support::RunScript(
      testing_support::kMenuReady + testing_support::kNewGame +
          "mouse 0.5 0.5\nframes 100\nclick left\nframes 300\nmouse 0.35 0.5\nframes 250\n"
          "mouse 0.65 0.5\nframes 250\nclick left\nframes 600\ndump\n"
          "key 1\nframes 1\nkey 28\nuntil gsMainMenu 100\n",
      player.path(), {"--seed", "41"});
  ASSERT_EQ(played.status, 0) << played.err;
  const int score = static_cast<int>(Field(played.Dumps().at(0), "score"));
  std::string replay;
  for (const auto& entry : std::filesystem::directory_iterator(player.file("replays"))) {
    replay = entry.path().string();
  }
  ASSERT_FALSE(replay.empty());

  const e2e::PrivateDisplay display;
  const std::string shots = e2e::ShotsFolder("replay");
  const auto watched = e2e::PlayInWindow(
      display,
      "frames 150\n" + e2e::ShotCommand(shots, "replay-1x") +
          "key 5\nframes 120\nexpect printed contains replay x4\n" +
          e2e::ShotCommand(shots, "replay-4x") +
          "until GameState == gsReplayEnd 5000\nframes 2\n"
          "expect score == " +
          std::to_string(score) + "\nexpect printed contains The game went as recorded\n" +
          e2e::ShotCommand(shots, "replay-end") + "key 1\nframes 5\n",
      viewer.path(), GLINT_GAME_DIR, {"--replay", replay});
  EXPECT_EQ(watched.status, 0) << watched.out << watched.err;
  EXPECT_FALSE(testing_support::FileExists(viewer.file("replays"))) << "watching records nothing";

  const auto demo = e2e::PlayInWindow(
      display,
      testing_support::kMenuReady + "frames 2300\nuntil replay == demo 30\nframes 250\n" +
          "expect printed contains demo\n" + e2e::ShotCommand(shots, "demo") +
          "key 57\nframes 40\nexpect GameState == gsMainMenu\n" +
          e2e::ShotCommand(shots, "after-demo"),
      viewer.path());
  EXPECT_EQ(demo.status, 0) << demo.out << demo.err;
}

}  // namespace
