// The attract demo: after 30 s without input on the main menu a shipped replay plays; a key ends
// it and the main menu is back as it was, its selection included, with nothing written. Every
// shipped demo still plays as recorded (after a change of the rules: make demos).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;
using testing_support::FileExists;
using testing_support::GameRun;
using testing_support::Member;
using testing_support::ReadFile;
using testing_support::RunGame;
using testing_support::RunScript;
using testing_support::TempDir;

TEST(Demos, EveryShippedDemoPlaysAsRecorded) {
  int demos = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(GLINT_GAME_DIR) + "/demos")) {
    ++demos;
    const TempDir viewer;
    const GameRun check = RunGame({"--headless", "--replay", entry.path().string(), "--game-dir",
                                   GLINT_GAME_DIR, "--user-dir", viewer.path()});
    EXPECT_EQ(check.status, 0) << entry.path() << ": " << check.out << check.err
                               << "(after a change of the rules or levels: make demos)";
  }
  EXPECT_GT(demos, 0);
}

TEST(Demos, ADemoPlaysAfterThirtyIdleSecondsAndAKeyGivesTheMenuBackAsItWas) {
  const TempDir user, untouched;
  // The selection moved off its first item, then the menu left alone.
  const std::string script = testing_support::kMenuReady +
                             "key 208\nframes 1\nkey 208\nframes 1\ndump\n"
                             // 29.9 s: still the menu.
                             "frames 2298\nexpect GameState == gsMainMenu\n"
                             "until replay == demo 20\n"
                             "frames 400\nexpect replay == demo\nexpect score >= 0\ndump\n"
                             // Enter ends the demo, and starts no game.
                             "key 28\nframes 1\ndump\nframes 30\n"
                             "expect GameState == gsMainMenu\nexpect replay != demo\n";
  const GameRun run = RunScript(script, user.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_EQ(testing_support::Field(dumps[1], "GameState"), 3) << "the demo's game plays";
  for (const char* part : {"screens", "settings", "records", "MenuMode", "GameState"}) {
    EXPECT_EQ(Member(dumps[2], part), Member(dumps[0], part)) << part;
  }
  EXPECT_THAT(Member(dumps[0], "screens"), HasSubstr("\"main\":{\"Selected\":3}"))
      << "the selection had moved";

  // The demo wrote nothing: the files are those of a run that never idled, and no replay.
  ASSERT_EQ(RunScript(testing_support::kMenuReady, untouched.path()).status, 0);
  EXPECT_FALSE(FileExists(user.file("replays")));
  for (const char* file : {"data/settings.dat", "data/records.dat"}) {
    EXPECT_EQ(ReadFile(user.file(file)), ReadFile(untouched.file(file))) << file;
  }
}

}  // namespace
