// The score database: rows keep every byte, the best come first, and the file outlives the
// server.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "server/ScoreStore.h"
#include "tests/support/game_runner.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

TEST(ScoreStore, TheBestComeFirstAndEqualScoresInTheirOrder) {
  TempDir dir;
  ScoreStore store(dir.file("scores.db"));
  EXPECT_TRUE(store.Best(100).empty());
  const int scores[] = {50, 900, -3, 900, 7};
  for (int i = 0; i < 5; ++i) {
    store.Add({"n" + std::to_string(i), "", scores[i], 1000 + i, "10.0.0.1"});
  }
  const auto best = store.Best(4);
  ASSERT_EQ(best.size(), 4u);
  const char* names[] = {"n1", "n3", "n0", "n4"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(best[i].name, names[i]) << i;
  EXPECT_EQ(best[0].score, 900);
  EXPECT_EQ(best[0].time, 1001);
}

TEST(ScoreStore, EveryByteOfANameIsKeptAndTheFileOutlivesTheStore) {
  TempDir dir;
  const StoredScore entry{std::string("\x82\0\xFF|'\"", 6), "", -2147483647 - 1, -1, "2001:db8::1"};
  ScoreStore(dir.file("scores.db")).Add(entry);
  const auto best = ScoreStore(dir.file("scores.db")).Best(1);
  ASSERT_EQ(best.size(), 1u);
  EXPECT_EQ(best[0].name, entry.name);
  EXPECT_EQ(best[0].add, "");
  EXPECT_EQ(best[0].score, entry.score);
  EXPECT_EQ(best[0].time, entry.time);
  EXPECT_EQ(best[0].address, entry.address);
}

TEST(ScoreStore, AFileThatIsNoDatabaseIsNamedInTheError) {
  TempDir dir;
  WriteFile(dir.file("scores.db"), std::string(4096, 'x'));
  try {
    ScoreStore store(dir.file("scores.db"));
    FAIL() << "opened a file that is no database";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(dir.file("scores.db")), std::string::npos) << e.what();
  }
}

}  // namespace
