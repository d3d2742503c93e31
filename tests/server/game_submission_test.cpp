// The game and the server together: a headless game reaches a new record, sends it to the
// server program and lands on the records panel; the record is in the database and on the page.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include <string>

#include "server/ScoreStore.h"
#include "tests/scenario/level_fixture.h"
#include "tests/server/server_process.h"
#include "tests/support/game_runner.h"

namespace {

using server_testing::ServerProcess;
using testing::HasSubstr;
using testing_support::GameDirWithLevels;
using testing_support::kToNameEntry;
using testing_support::Level;
using testing_support::RunScript;
using testing_support::TempDir;

TEST(GameAndServer, ANewRecordIsSentStoredAndShown) {
  TempDir user, game, data;
  // One level of hard bricks only: complete at once, the game ends with 1160 points, a record.
  GameDirWithLevels(game.path(), {Level({"", "..###"})});
  ServerProcess server(data.file("scores.db"));

  const auto run = RunScript(
      kToNameEntry +
          // Shift+Q types the capital Й (0x89); Enter on the name, the second name and OK.
          "hold 42\nkey 16\nframes 1\nrelease 42\n"
          "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\n"
          "expect GameState == gsSubmitAsk\n"
          // Yes, send it; the thread talks to the server in real time while the frames run.
          "key 28\nframes 1\nexpect GameState == gsSubmitting\n"
          "until gsRecords 100000000\n"
          "expect screens.records.Opened == 1\nexpect records.9.score == 1160\n",
      user.path(), {"--game-dir", game.path(), "--server", server.url()});
  ASSERT_EQ(run.status, 0) << run.err << server.Log();

  const auto stored = OpenScoreStore(data.file("scores.db"))->Best(10);
  ASSERT_EQ(stored.size(), 1u) << server.Log();
  EXPECT_EQ(stored[0].name, "\x89");
  EXPECT_EQ(stored[0].add, "");
  EXPECT_EQ(stored[0].score, 1160);
  EXPECT_EQ(stored[0].address, "127.0.0.1");

  httplib::Client client(server.host(), server.port());
  const auto page = client.Get("/cgi/version.pl?prg=Glintbreaker&show&type=0");
  ASSERT_TRUE(page);
  EXPECT_THAT(page->body, HasSubstr("<td>Й</td><td></td><td class=\"num\">1160</td>"));
}

}  // namespace
