// A gamepad on the headless engine, driven by scripts: alone it takes a player from the main menu
// through a game to the records table; its stick steers the bat in proportion past a dead zone;
// A launches, Start pauses, B asks to quit, Back hides the game; a lost life shakes it; a pad
// plugged in or pulled out mid-game leaves nothing held; a game played with it replays to the
// same end.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/scenario/level_fixture.h"
#include "tests/support/game_runner.h"

namespace {

using testing_support::Field;
using testing_support::GameDirWithLevels;
using testing_support::GameRun;
using testing_support::Level;
using testing_support::Member;
using testing_support::RunGame;
using testing_support::RunScript;
using testing_support::TempDir;
using testing_support::WalledLevel;

// From the main menu into the first level's play with the pad alone, past the level's banner.
const std::string kPadStartsGame = testing_support::kMenuReady +
                                   "pad plug\n"
                                   "pad button a\nuntil gsPlaying 10\n"
                                   "until phase == play 400\n";

double BatX(const std::string& dump) {
  return Field(Member(dump, "bat"), "x");
}

TEST(Pad, AloneTakesAPlayerFromTheMainMenuThroughAGameToTheRecordsTable) {
  TempDir user, game;
  // One level of hard bricks only: complete at once, its time bonus a record.
  GameDirWithLevels(game.path(), {Level({"", "..###"})});
  const GameRun run = RunScript(
      testing_support::kMenuReady +
          "pad plug\n"
          // The d-pad moves through the menu as the arrows do; A chooses, B closes the panel.
          "pad button dpdown\nframes 1\nexpect screens.main.Selected == 2\n"
          "pad button a\nframes 1\nexpect GameState == gsOptions\n"
          "pad button dpdown\nframes 1\nexpect screens.options.Selected == 2\n"
          "pad button b\nframes 1\nexpect GameState == gsMainMenu\n"
          "pad button dpup\nframes 1\nexpect screens.main.Selected == 1\n"
          // The game: over at once with a record, whose name entry A walks through to OK.
          "pad button a\nuntil gsPlaying 10\n"
          "until gsRecordEntryName 3000\n"
          "pad button a\nframes 1\nexpect GameState == gsRecordEntryAdd\n"
          "pad button a\nframes 1\nexpect screens.entry.Selected == 3\n"
          "pad button a\nframes 1\nexpect GameState == gsSubmitAsk\n"
          "expect records.9.score == 1160\n"
          // B answers no to sending: the records table.
          "pad button b\nframes 1\nexpect GameState == gsRecords\n"
          "frames 40\nexpect screens.records.Opened == 1\n"
          "pad button b\nframes 1\nexpect GameState == gsMainMenu\n",
      user.path(), {"--game-dir", game.path()});
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Pad, TheStickSteersInProportionBeyondItsDeadZoneAsFastAsTheKeysAtMost) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {WalledLevel()});
  // Ten frames each: the stick a little off rest, all the way right, the left key, the stick
  // half way past the dead zone to the left; the ball waits on the bat throughout.
  const GameRun run = RunScript(kPadStartsGame +
                                    "dump\n"
                                    "pad axis leftx 0.2\nframes 10\ndump\n"
                                    "pad axis leftx 1\nframes 10\ndump\n"
                                    "pad axis leftx 0\nhold 203\nframes 10\ndump\n"
                                    "release 203\npad axis leftx -0.625\nframes 10\ndump\n"
                                    "expect balls.0.launched == false\n",
                                user.path(), {"--game-dir", game.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 5u);
  const double atRest = BatX(dumps[1]) - BatX(dumps[0]);
  const double stickRight = BatX(dumps[2]) - BatX(dumps[1]);
  const double keyLeft = BatX(dumps[3]) - BatX(dumps[2]);
  const double stickHalfLeft = BatX(dumps[4]) - BatX(dumps[3]);
  EXPECT_EQ(atRest, 0) << "inside the dead zone";
  EXPECT_GT(stickRight, 2);
  EXPECT_DOUBLE_EQ(stickRight, -keyLeft) << "a stick all the way out is as fast as a key";
  // Half way from the dead zone (a quarter out) to the edge: half the speed, in the stick's 127
  // steps (0.625 is 20479 of 32767, just short of half way: 63 steps).
  EXPECT_NEAR(stickHalfLeft / keyLeft, 63.0 / 127, 1e-6);
}

TEST(Pad, ALaunchesStartPausesBAsksToQuitAndBackHidesTheGame) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {WalledLevel()});
  const GameRun run = RunScript(kPadStartsGame +
                                    "pad button a\nframes 1\nexpect balls.0.launched == true\n"
                                    "pad button start\nframes 1\nexpect GameState == gsPaused\n"
                                    "pad button start\nframes 1\nexpect GameState == gsPlaying\n"
                                    // B: the quit question, and B again says no to it.
                                    "pad button b\nframes 1\nexpect GameState == gsQuitConfirm\n"
                                    "pad button b\nframes 1\nexpect GameState == gsPlaying\n"
                                    // Back is the boss key: paused and out of sight.
                                    "pad button back\nframes 2\nexpect GameState == gsPaused\n"
                                    "expect window.minimised == true\n",
                                user.path(), {"--game-dir", game.path()});
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Pad, ALostLifeShakesThePads) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {WalledLevel()});
  // The ball goes right of the wall; the d-pad runs the bat off to the left and the ball is lost.
  const GameRun run = RunScript(kPadStartsGame +
                                    "pad button a\npad hold dpleft\n"
                                    "until bat.exploding == 1 3000\nexpect rumble == 0\n"
                                    "until lives == 2 3000\nexpect rumble == 0.75\n"
                                    "frames 1\nexpect rumble == 0\n",
                                user.path(), {"--game-dir", game.path()});
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Pad, APadPluggedInMidGamePlaysAndOnePulledOutLeavesNothingHeld) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {WalledLevel()});
  const GameRun run =
      RunScript(testing_support::kMenuReady + testing_support::kNewGame +
                    "until phase == play 400\n"
                    // Plugged in during play: its stick steers at once.
                    "pad plug\npad axis leftx -1\nframes 5\ndump\n"
                    // Pulled out with the stick pushed and A held: the bat stops, nothing fires.
                    "pad hold a\nframes 1\npad unplug\nframes 5\ndump\nframes 5\ndump\n"
                    // The keys and the mouse button work as before.
                    "hold 205\nframes 5\nrelease 205\ndump\n",
                user.path(), {"--game-dir", game.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_LT(BatX(dumps[0]), -1) << "the stick steered";
  EXPECT_EQ(BatX(dumps[2]), BatX(dumps[1])) << "the stick went with the pad";
  EXPECT_GT(BatX(dumps[3]), BatX(dumps[2])) << "the keys steer";
}

TEST(Pad, AScriptThatUsesAPadBeforePluggingOneInIsWrong) {
  const TempDir user;
  const GameRun run =
      RunScript(testing_support::kMenuReady + "pad button a\nframes 1\n", user.path());
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, testing::HasSubstr("script line 2: pad button a: no pad is plugged in"));
}

TEST(Pad, AGamePlayedWithThePadPlaysBackToTheSameEnd) {
  const TempDir user;
  const GameRun run = RunScript(
      kPadStartsGame +
          "frames 50\npad button a\nframes 200\n"
          "pad axis leftx 0.8\nframes 40\npad axis leftx -0.5\nframes 90\npad axis leftx 0\n"
          "pad hold dpright\nframes 30\npad release dpright\n"
          "pad button a\npad button start\nframes 20\npad button start\nframes 600\ndump\n"
          "pad button b\nframes 1\nexpect GameState == gsQuitConfirm\n"
          "pad button dpleft\nframes 1\npad button dpright\nframes 1\n"
          "expect screens.dialog.Selected == 1\npad button a\nuntil gsMainMenu 100\n",
      user.path(), {"--seed", "23"});
  ASSERT_EQ(run.status, 0) << run.err;
  const int score = static_cast<int>(Field(run.Dumps().at(0), "score"));
  std::vector<std::string> replays;
  for (const auto& entry : std::filesystem::directory_iterator(user.file("replays"))) {
    replays.push_back(entry.path().string());
  }
  ASSERT_EQ(replays.size(), 1u);
  const TempDir viewer;
  const GameRun check = RunGame({"--headless", "--replay", replays[0], "--user-dir", viewer.path(),
                                 "--game-dir", GLINT_GAME_DIR});
  EXPECT_EQ(check.status, 0) << check.out << check.err;
  EXPECT_THAT(check.out, testing::MatchesRegex("replay: score " + std::to_string(score) +
                                               ", level 1, state .*: as recorded\n"));
}

}  // namespace
