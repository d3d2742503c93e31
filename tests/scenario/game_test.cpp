// Whole games on the headless engine, each a short story on a level set of its own: clearing a
// level, losing the ball, running out of time, and a level file that cannot be read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "tests/scenario/level_fixture.h"
#include "tests/support/full_screen_settings.h"
#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;
using testing_support::Field;
using testing_support::FullScreenSettings;
using testing_support::GameDirWithLevels;
using testing_support::Level;
using testing_support::Member;
using testing_support::RunScript;
using testing_support::TempDir;
using testing_support::WalledLevel;

// From the main menu into the first level's play, past its banner.
const std::string kStartGame =
    testing_support::kMenuReady + testing_support::kNewGame + "until phase == play 400\n";

// A closed box (hard bricks below the bat and up the sides) with one row of plain bricks: the
// ball cannot be lost, so the level is cleared sooner or later.
LevelCells ClosedBoxLevel() {
  std::vector<std::string> rows(20);
  rows[7] = "." + std::string(18, '1');
  for (int row = 16; row < 19; ++row) rows[row] = "#" + std::string(18, '.') + "#";
  rows[19] = std::string(20, '#');
  return Level(rows);
}

TEST(Game, ClearingALevelCountsTheTimeBonusAndLoadsTheNext) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {ClosedBoxLevel(), Level({"", "....1"})});
  const auto run = RunScript(std::string(kStartGame) +
                                 "click left\n"
                                 "until phase == levelComplete 40000\n"
                                 "dump\n"
                                 "frames 30\n"
                                 "expect printed contains \\x93\\xB0\\xAE\\xA2\\xA5\\xAD\\xBD "
                                 "\\xAF\\xB0\\xAE\\xA9\\xA4\\xA5\\xAD!\n"
                                 "until level == 2 3000\n"
                                 "dump\n"
                                 "frames 30\n"
                                 "expect printed contains \\x93\\xB0\\xAE\\xA2\\xA5\\xAD\\xBD 2\n",
                             user.path(), {"--game-dir", game.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(Field(dumps[0], "counted"), 0);
  const double score = Field(dumps[0], "score");
  const double timeLeft = Field(dumps[0], "timeLeft");
  EXPECT_GE(score, 180) << "18 bricks";
  // One point a frame for every started quarter second left.
  EXPECT_EQ(Field(dumps[1], "score"), score + std::ceil(timeLeft / 0.25));
  EXPECT_EQ(Field(dumps[1], "timeLeft"), 275) << "the second level's time limit";
  EXPECT_EQ(Field(dumps[1], "lives"), 3);
}

TEST(Game, LosingTheBallExplodesTheBatAndCostsALife) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {WalledLevel()});
  const auto run = RunScript(std::string(kStartGame) +
                                 "click left\n"
                                 "hold 203\n"  // the bat runs off to the left, away from the ball
                                 "until bat.exploding == 1 3000\n"
                                 "expect sounds.0 == sound\\bita_explo.wav\n"
                                 "expect lives == 3\n"
                                 "until lives == 2 3000\n"
                                 "expect phase == entrySlide\n"
                                 "expect bat.x == 19\n"
                                 "expect balls.0.launched == false\n"
                                 "release 203\n"
                                 "until phase == play 400\n"
                                 "expect bat.x < 0\n"
                                 "expect gameOver == false\n",
                             user.path(), {"--game-dir", game.path()});
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Game, RunningOutOfTimeReloadsTheLevelUntilTheLastLifeEndsTheGame) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {WalledLevel()});
  // 100 ms frames: the clock runs out sooner, the held ball never moves.
  const auto run = RunScript(std::string(kStartGame) +
                                 "period 100\n"
                                 "until phase == timeOut 4000\n"
                                 "until phase == levelBanner 400\n"
                                 "expect lives == 2\n"
                                 "expect level == 1\n"
                                 "expect timeLeft == 290\n"
                                 "until phase == timeOut 4000\n"
                                 "until phase == levelBanner 400\n"
                                 "expect lives == 1\n"
                                 "until phase == timeOut 4000\n"
                                 "until gameOver == true 400\n"
                                 "expect lives == 1\n"
                                 "until gsMainMenu 400\n"
                                 "expect MenuMode == true\n"
                                 "expect sounds.0 == sound\\musmenu.wav\n",
                             user.path(), {"--game-dir", game.path()});
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Game, ALevelWithNothingToBreakIsCompleteAtOnceAndTheLastLevelEndsTheGame) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {Level({"", "..###"})});
  const auto run = RunScript(std::string(kStartGame) +
                                 "frames 1\n"
                                 "expect phase == levelComplete\n"
                                 "until gameOver == true 3000\n"
                                 "expect level == 1\n"
                                 // The time bonus beats the last entry of the default records.
                                 "until gsRecordEntryName 400\n",
                             user.path(), {"--game-dir", game.path()});
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Game, InAWindowTheMouseSteersOnlyWhileTheGameHasTheFocus) {
  TempDir user, game;
  GameDirWithLevels(game.path(), {WalledLevel()});
  // The headless screen is 1024 x 768: its centre is (512, 384).
  const auto run = RunScript(std::string(kStartGame) +
                                 "mouse 0.25 0.5\n"
                                 "frames 1\n"
                                 "expect bat.x < -0.2\n"
                                 "expect window.pointerX == 512\n"
                                 "expect window.pointerY == 384\n"
                                 "frames 5\n"
                                 "dump\n"
                                 "message deactivate\n"
                                 "frames 1\n"
                                 "expect window.focus == false\n"
                                 "mouse 0.25 0.5\n"
                                 "frames 5\n"
                                 "dump\n"
                                 "expect window.pointerX < 512\n",
                             user.path(), {"--game-dir", game.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(Field(dumps[0], "x"), Field(dumps[1], "x")) << "the bat stays while unfocused";
}

TEST(Game, AFullScreenGameHiddenByTheBossKeyComesBackAsItWas) {
  TempDir user;
  testing_support::WriteFile(user.file("data/settings.dat"), FullScreenSettings());
  const auto run = RunScript(std::string(kStartGame) +
                                 "click left\n"
                                 "frames 40\n"
                                 "key 88\n"
                                 "frames 1\n"
                                 "dump\n"
                                 "expect window.minimised == true\n"
                                 "frames 20\n"
                                 "message activate\n"
                                 "until displayMode == 1 50\n"
                                 "frames 1\n"
                                 "dump\n",
                             user.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(Field(dumps[0], "displayMode"), 0) << "the engine is closed while hidden";
  EXPECT_EQ(Field(dumps[1], "GameState"), 13) << "paused";
  for (const char* part : {"bat", "balls", "bricks", "bonuses", "enemies"}) {
    SCOPED_TRACE(part);
    EXPECT_FALSE(Member(dumps[0], part).empty());
    EXPECT_EQ(Member(dumps[0], part), Member(dumps[1], part));
  }
  EXPECT_EQ(Field(dumps[0], "score"), Field(dumps[1], "score"));
  EXPECT_EQ(Field(dumps[0], "timeLeft"), Field(dumps[1], "timeLeft"));
}

TEST(Game, ALevelFileThatCannotBeReadEndsTheGameAsAfterTheLastLevel) {
  const std::string truncated =
      std::string("\x01\0\0\0", 4) + std::string(1000, '\xC6');  // 1000 of level 1's 1600 bytes
  const struct {
    const char* what;
    std::string file;
    const char* message;
  } cases[] = {
      {"missing", "", "has no level 1"},
      {"no levels", std::string(4, '\0'), "has no level 1"},
      {"a negative count", "\xFF\xFF\xFF\xFF", "has no level 1"},
      {"truncated", truncated, "level 1 cannot be read whole"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir user, game;
    GameDirWithLevels(game.path(), {}, c.file);
    const auto run = RunScript(testing_support::kMenuReady + testing_support::kNewGame +
                                   "expect gameOver == true\nuntil gsMainMenu 400\n",
                               user.path(), {"--game-dir", game.path()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_THAT(run.err, HasSubstr("Levels.dat"));
  }
}

}  // namespace
