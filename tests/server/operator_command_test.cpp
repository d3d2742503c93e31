// The operator's commands, run as the program on the server's database: the list shows each
// record's id and address, and --remove takes a record out by id or all of an address's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "server/ScoreStore.h"
#include "tests/server/server_process.h"
#include "tests/server/stored_records.h"
#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;
using testing_support::ReadFile;
using testing_support::TempDir;

TEST(OperatorCommand, ListThenRemoveByIdAndByAddress) {
  TempDir dir;
  const std::string db = dir.file("scores.db");
  {
    const auto store = OpenScoreStore(db);
    for (const auto& [score, address] :
         {std::pair{4000000, "203.0.113.7"}, std::pair{3999999, "203.0.113.7"},
          std::pair{1160, "10.0.0.1"}, std::pair{900, "10.0.0.2"}}) {
      ASSERT_TRUE(
          server_testing::SendRecord(*store, {0, "\x82\xA0\xAD\xC0", "", score, 0, address}));
    }
  }
  const auto run = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {GLINT_SERVER_BINARY, "--db", db});
    const int status = server_testing::RunProgram(args, dir.file("out.txt"));
    return std::pair{status, ReadFile(dir.file("out.txt"))};
  };
  const auto [listed, list] = run({"--list"});
  EXPECT_EQ(listed, 0);
  EXPECT_THAT(list, HasSubstr("3\t1160\tВаня\t\t1970-01-01 00:00:00\t10.0.0.1\tnone\n"));

  EXPECT_EQ(run({"--remove", "3"}), std::pair(0, std::string("removed 1 record with id 3\n")));
  EXPECT_EQ(run({"--remove", "3"}), std::pair(1, std::string("no record with id 3\n")));
  EXPECT_EQ(run({"--remove", "203.0.113.7"}),
            std::pair(0, std::string("removed 2 records from 203.0.113.7\n")));
  const auto left = OpenScoreStore(db)->Best(10);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].score, 900);
  EXPECT_EQ(run({"--db", dir.file("missing/none.db"), "--list"}).first, 1);
}

}  // namespace
