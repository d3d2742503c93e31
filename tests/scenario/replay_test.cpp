// Replays of whole runs on the headless engine: a scripted game leaves its replay in replays/,
// named by date and score, and --headless --replay plays it to the same end; a record's replay
// is kept as one; a bad file is refused with one line and never played.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "replay/ReplayFile.h"
#include "tests/scenario/level_fixture.h"
#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;
using testing_support::Field;
using testing_support::GameRun;
using testing_support::ReadFile;
using testing_support::RunGame;
using testing_support::RunScript;
using testing_support::TempDir;
using testing_support::WriteFile;

// The first level played for a while on the shipped levels: the ball launched, the bat steered
// left and right, then the game given up through the quit question.
const std::string kPlayAndQuit = testing_support::kMenuReady + testing_support::kNewGame +
                                 "mouse 0.5 0.5\nframes 100\nclick left\nframes 300\n"
                                 "mouse 0.3 0.5\nframes 300\nmouse 0.7 0.5\nframes 300\n"
                                 "click left\nframes 1500\ndump\n"
                                 "key 1\nframes 1\nkey 28\nuntil gsMainMenu 100\n";

// The whole of `text` matches `pattern` (ECMAScript; googletest's own regular expressions lack
// classes and counts on Windows).
bool Matches(const std::string& text, const std::string& pattern) {
  return std::regex_match(text, std::regex(pattern));
}

std::vector<std::string> Replays(const TempDir& user) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(user.file("replays"), error), end;
       !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  return names;
}

// Plays `replay` headless in a fresh per-user folder, where it leaves no replay of its own.
GameRun Check(const std::string& replay, const std::vector<std::string>& more = {}) {
  const TempDir viewer;
  std::vector<std::string> args{"--headless", "--replay", replay, "--user-dir", viewer.path()};
  args.insert(args.end(), more.begin(), more.end());
  if (std::find(more.begin(), more.end(), "--game-dir") == more.end()) {
    args.insert(args.end(), {"--game-dir", GLINT_GAME_DIR});
  }
  GameRun run = RunGame(args);
  EXPECT_FALSE(testing_support::FileExists(viewer.file("replays"))) << "a replay recorded a replay";
  return run;
}

TEST(Replay, AScriptedGamePlaysBackToTheSameEnd) {
  const TempDir user;
  const GameRun run = RunScript(kPlayAndQuit, user.path(), {"--seed", "41"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 1u);
  const int score = static_cast<int>(Field(dumps[0], "score"));
  const std::vector<std::string> names = Replays(user);
  ASSERT_EQ(names.size(), 1u);
  // The date and time the game ended, and its score.
  EXPECT_TRUE(Matches(
      names[0], "\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}_" + std::to_string(score) + "\\.glr"))
      << names[0];

  const GameRun check = Check(user.file("replays/" + names[0]));
  EXPECT_EQ(check.status, 0) << check.out << check.err;
  EXPECT_TRUE(Matches(check.out, "replay: score " + std::to_string(score) +
                                     ", level 1, state [0-9a-f]{16}: as recorded\n"))
      << check.out;
  EXPECT_EQ(check.err, "");
  const GameRun again = Check(user.file("replays/" + names[0]));
  EXPECT_EQ(again.out, check.out) << "the same end every time";
}

TEST(Replay, ARecordsReplayIsKeptAsOne) {
  const TempDir user, game;
  testing_support::GameDirWithLevels(game.path(), {testing_support::Level({"", "..###"})});
  const GameRun run = RunScript(testing_support::kToNameEntry +
                                    "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\n"
                                    "expect GameState == gsSubmitAsk\n",
                                user.path(), {"--game-dir", game.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> names = Replays(user);
  ASSERT_EQ(names.size(), 1u);
  EXPECT_TRUE(names[0].ends_with("_1160_record.glr")) << names[0];
  const GameRun check = Check(user.file("replays/" + names[0]), {"--game-dir", game.path()});
  EXPECT_EQ(check.status, 0) << check.out << check.err;
  EXPECT_THAT(check.out, HasSubstr("score 1160, level 1"));
}

TEST(Replay, ABadFileIsRefusedWithOneLine) {
  const TempDir user, otherLevels, files;
  ASSERT_EQ(RunScript(kPlayAndQuit, user.path(), {"--seed", "5"}).status, 0);
  const std::vector<std::string> names = Replays(user);
  ASSERT_EQ(names.size(), 1u);
  const std::string path = user.file("replays/" + names[0]);
  const std::string good = ReadFile(path);
  std::string error;
  auto replay = DecodeReplay(std::vector<std::uint8_t>(good.begin(), good.end()), error);
  ASSERT_TRUE(replay) << error;
  replay->GameVersion = "0.9";
  const std::vector<std::uint8_t> older = EncodeReplay(*replay);
  std::string flipped = good;
  flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 1);
  testing_support::GameDirWithLevels(otherLevels.path(), {testing_support::Level({"", "..1"})});

  const struct {
    const char* name;
    std::string bytes;
    std::vector<std::string> more;
    const char* why;
  } bad[] = {
      {"another version",
       {older.begin(), older.end()},
       {},
       "was recorded by Glintbreaker 0.9; this is 1.1"},
      {"another level file",
       good,
       {"--game-dir", otherLevels.path()},
       "was recorded on other levels (another data/Levels.dat)"},
      {"truncated", good.substr(0, good.size() / 2), {}, "is cut short"},
      {"a bad checksum", flipped, {}, "is damaged: its checksum does not match"},
      {"not a replay", "GLINT", {}, "is not a Glintbreaker replay"},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.name);
    const std::string file = files.file("bad.glr");
    WriteFile(file, c.bytes);
    const GameRun check = Check(file, c.more);
    EXPECT_EQ(check.status, 2);
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, "glintbreaker: " + file + " " + c.why + "\n");
  }
  const GameRun missing = Check(files.file("none.glr"));
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "glintbreaker: " + files.file("none.glr") + " cannot be read\n");
}

}  // namespace
