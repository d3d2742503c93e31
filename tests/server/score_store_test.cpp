// The store, the same suite on SQLite and on PostgreSQL: records keep every byte and come best
// first; a token stores one record within its lifetime and only in the transaction that stores
// it; a client's budget gives a burst of tokens, then one each refill; two stores on one
// database (two server processes) share all of it; the operator removes records.
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <atomic>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "server/ScoreStore.h"
#include "tests/server/postgres_cluster.h"
#include "tests/server/stored_records.h"
#include "tests/support/game_runner.h"

namespace {

using namespace std::chrono_literals;
using server_testing::kStartMs;
using server_testing::PostgresCluster;
using server_testing::SendRecord;
using testing_support::TempDir;

enum class Backend { SQLite, PostgreSQL };

const char* Name(Backend backend) {
  return backend == Backend::SQLite ? "SQLite" : "PostgreSQL";
}
void PrintTo(Backend backend, std::ostream* out) {
  *out << Name(backend);
}

// A fresh database of the backend, stores opened on it, and SQL run on it from outside.
class StoreSuite : public testing::TestWithParam<Backend> {
 protected:
  StoreSuite() {
    if (GetParam() == Backend::SQLite) {
      location_ = dir_.file("scores.db");
    } else {
      cluster_ = std::make_unique<PostgresCluster>();
      location_ = cluster_->CreateDatabase("glint");
    }
  }

  std::unique_ptr<ScoreStore> Open(const StoreOptions& options = {}) {
    return OpenScoreStore(location_, options);
  }

  // Runs `sql` on a connection of its own, as another program would.
  void Execute(const std::string& sql) {
    if (GetParam() == Backend::SQLite) {
      sqlite3* db = nullptr;
      sqlite3_open(location_.c_str(), &db);
      char* error = nullptr;
      const int status = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
      const std::string message = error ? error : "";
      sqlite3_free(error);
      sqlite3_close(db);
      ASSERT_EQ(status, SQLITE_OK) << message;
    } else {
      PGconn* connection = PQconnectdb(location_.c_str());
      PGresult* result = PQexec(connection, sql.c_str());
      const bool done = PQresultStatus(result) == PGRES_COMMAND_OK;
      const std::string message = PQerrorMessage(connection);
      PQclear(result);
      PQfinish(connection);
      ASSERT_TRUE(done) << message;
    }
  }

  // An insert into the scores that fails, as on a full disk.
  void BreakInserts() {
    Execute(GetParam() == Backend::SQLite
                ? "CREATE TRIGGER refuse BEFORE INSERT ON scores "
                  "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"
                : "CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS "
                  "$$BEGIN RAISE EXCEPTION 'the disk is full'; END$$;"
                  "CREATE TRIGGER refuse BEFORE INSERT ON scores "
                  "FOR EACH ROW EXECUTE FUNCTION refuse()");
  }
  void MendInserts() {
    Execute(GetParam() == Backend::SQLite ? "DROP TRIGGER refuse"
                                          : "DROP TRIGGER refuse ON scores");
  }

  TempDir dir_;
  std::unique_ptr<PostgresCluster> cluster_;
  std::string location_;
};

StoredScore Record(const std::string& name, std::int32_t score,
                   const std::string& address = "10.0.0.1") {
  return {0, name, "", score, 1000, address};
}

TEST_P(StoreSuite, TheBestComeFirstAndEqualScoresInTheirOrder) {
  const auto store = Open();
  EXPECT_TRUE(store->Best(100).empty());
  const int scores[] = {50, 900, 0, 900, 7};
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(SendRecord(*store, Record("n" + std::to_string(i), scores[i])));
  }
  const auto best = store->Best(4);
  ASSERT_EQ(best.size(), 4u);
  const char* names[] = {"n1", "n3", "n0", "n4"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(best[i].name, names[i]) << i;
  EXPECT_EQ(best[0].score, 900);
  EXPECT_LT(best[0].id, best[1].id);
}

TEST_P(StoreSuite, EveryByteOfARecordIsKeptAndTheDatabaseOutlivesTheStore) {
  const StoredScore entry{
      0, std::string("\x82\0\xFF|'\"\\", 7), std::string("\0", 1), 4123611, -1, "2001:db8::1"};
  ASSERT_TRUE(SendRecord(*Open(), entry));
  const auto best = Open()->Best(1);
  ASSERT_EQ(best.size(), 1u);
  EXPECT_EQ(best[0].name, entry.name);
  EXPECT_EQ(best[0].add, entry.add);
  EXPECT_EQ(best[0].score, entry.score);
  EXPECT_EQ(best[0].time, entry.time);
  EXPECT_EQ(best[0].address, entry.address);
}

TEST_P(StoreSuite, ARecordTakesOneReplayUnderItsTokenFromItsAddressAndKeepsItsMark) {
  const auto store = Open();
  const std::int64_t now = server_testing::kStartMs;
  const auto token = store->IssueToken("10.0.0.1", now);
  ASSERT_TRUE(token);
  StoredScore record = Record("honest", 1160);
  record.time = now / 1000;
  ASSERT_TRUE(store->AddWithToken(*token, record, now));
  ASSERT_TRUE(SendRecord(*store, Record("other", 50)));
  const std::string replay("GLRP\0\xFF", 6);

  EXPECT_FALSE(store->AttachReplay(*token, "10.0.0.2", replay, now)) << "another address";
  EXPECT_FALSE(store->AttachReplay(*token, "10.0.0.1", replay, now + 601000)) << "too late";
  EXPECT_FALSE(store->AttachReplay("unknown", "10.0.0.1", replay, now));
  const auto attached = store->AttachReplay(*token, "10.0.0.1", replay, now + 1000);
  ASSERT_TRUE(attached);
  EXPECT_EQ(attached->second, 1160);
  EXPECT_FALSE(store->AttachReplay(*token, "10.0.0.1", replay, now + 2000)) << "one a record";
  EXPECT_EQ(store->Best(10)[0].replay, ReplayState::Pending);

  store->SetReplayState(attached->first, ReplayState::Verified, "as recorded");
  const StoredReplay kept = store->ReplayOf(attached->first);
  EXPECT_EQ(kept.bytes, replay);
  EXPECT_EQ(kept.state, ReplayState::Verified);
  EXPECT_EQ(kept.detail, "as recorded");
  const auto verified = store->Best(10, true);
  ASSERT_EQ(verified.size(), 1u);
  EXPECT_EQ(verified[0].name, "honest");
  EXPECT_EQ(store->Best(10)[1].replay, ReplayState::None);
  // Removing the record removes its replay.
  EXPECT_EQ(store->Remove(attached->first), 1);
  EXPECT_TRUE(store->ReplayOf(attached->first).bytes.empty());
}

TEST_P(StoreSuite, ATokenStoresOneRecordWithinTenMinutes) {
  const struct {
    const char* name;
    std::chrono::milliseconds age;
    bool good;
  } cases[] = {
      {"at once", 0ms, true},
      {"a moment before ten minutes", 10min - 1ms, true},
      {"at ten minutes", 10min, false},
      {"an hour later", 1h, false},
  };
  const auto store = Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto token = store->IssueToken(c.name, kStartMs);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->find_first_not_of("0123456789abcdef"), std::string::npos) << *token;
    EXPECT_EQ(token->size(), 16u);
    const std::int64_t at = kStartMs + c.age.count();
    EXPECT_EQ(store->AddWithToken(*token, Record(c.name, 5), at), c.good);
    EXPECT_FALSE(store->AddWithToken(*token, Record(c.name, 6), at)) << "a token is good once";
  }
  EXPECT_FALSE(store->AddWithToken("0123456789abcdef", Record("guess", 5), kStartMs));
  EXPECT_FALSE(store->AddWithToken("", Record("none", 5), kStartMs));
  EXPECT_EQ(store->Best(100).size(), 2u);
}

TEST_P(StoreSuite, AClientsBudgetGivesABurstThenOneTokenEachRefill) {
  const auto store = Open({.burst = 3, .refill = 60s});
  const auto at = [](std::chrono::milliseconds after) { return kStartMs + after.count(); };
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(store->IssueToken("10.0.0.1", at(0s))) << i;
  EXPECT_FALSE(store->IssueToken("10.0.0.1", at(0s)));
  EXPECT_FALSE(store->IssueToken("10.0.0.1", at(59s)));
  EXPECT_TRUE(store->IssueToken("10.0.0.1", at(60s)));
  EXPECT_FALSE(store->IssueToken("10.0.0.1", at(61s)));
  EXPECT_TRUE(store->IssueToken("10.0.0.2", at(61s))) << "clients count apart";
  // Refused requests cost nothing: after a quiet spell the whole burst is back.
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(store->IssueToken("10.0.0.1", at(1h))) << i;
  EXPECT_FALSE(store->IssueToken("10.0.0.1", at(1h)));
}

TEST_P(StoreSuite, AFailedStoreLeavesTheTokenGood) {
  const auto store = Open();
  const auto token = store->IssueToken("10.0.0.1", kStartMs);
  ASSERT_TRUE(token);
  BreakInserts();
  EXPECT_THROW(store->AddWithToken(*token, Record("lost", 5), kStartMs), std::runtime_error);
  MendInserts();
  EXPECT_TRUE(store->AddWithToken(*token, Record("sent again", 5), kStartMs));
  const auto best = store->Best(10);
  ASSERT_EQ(best.size(), 1u);
  EXPECT_EQ(best[0].name, "sent again");
}

TEST_P(StoreSuite, ATokenSentManyTimesAtOnceStoresOneRecord) {
  const auto store = Open();
  const auto token = store->IssueToken("10.0.0.1", kStartMs);
  ASSERT_TRUE(token);
  std::vector<std::thread> senders;
  std::atomic<int> stored = 0;
  for (int i = 0; i < 8; ++i) {
    senders.emplace_back([&, i] {
      if (store->AddWithToken(*token, Record("copy " + std::to_string(i), 5), kStartMs)) ++stored;
    });
  }
  for (auto& sender : senders) sender.join();
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(store->Best(10).size(), 1u);
}

TEST_P(StoreSuite, TwoStoresOnOneDatabaseShareTokensBudgetsAndRecords) {
  const auto first = Open({.burst = 2});
  const auto second = Open({.burst = 2});
  const auto token = first->IssueToken("10.0.0.1", kStartMs);
  ASSERT_TRUE(token);
  ASSERT_TRUE(second->IssueToken("10.0.0.1", kStartMs));
  EXPECT_FALSE(first->IssueToken("10.0.0.1", kStartMs)) << "the budget is spent at either";
  EXPECT_TRUE(second->AddWithToken(*token, Record("across", 5), kStartMs));
  EXPECT_FALSE(first->AddWithToken(*token, Record("again", 5), kStartMs));
  ASSERT_EQ(first->Best(10).size(), 1u);
  EXPECT_EQ(first->Best(10)[0].name, "across");
}

TEST_P(StoreSuite, TheOperatorRemovesARecordByIdOrEveryRecordFromAnAddress) {
  const auto store = Open();
  for (const auto& [name, address] : std::vector<std::pair<std::string, std::string>>{
           {"a", "10.0.0.1"}, {"b", "203.0.113.7"}, {"c", "203.0.113.7"}, {"d", "10.0.0.2"}}) {
    ASSERT_TRUE(SendRecord(*store, Record(name, 10, address)));
  }
  const auto before = store->Best(10);
  const std::int64_t idOfD = before[3].id;
  EXPECT_EQ(store->Remove(idOfD), 1);
  EXPECT_EQ(store->Remove(idOfD), 0);
  EXPECT_EQ(store->RemoveFrom("203.0.113.7"), 2);
  EXPECT_EQ(store->RemoveFrom("203.0.113.7"), 0);
  const auto after = store->Best(10);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].name, "a");
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreSuite,
                         testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& info) { return std::string(Name(info.param)); });

TEST(ScoreStore, AFileThatIsNoDatabaseIsNamedInTheError) {
  TempDir dir;
  testing_support::WriteFile(dir.file("scores.db"), std::string(4096, 'x'));
  try {
    OpenScoreStore(dir.file("scores.db"));
    FAIL() << "opened a file that is no database";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(dir.file("scores.db")), std::string::npos) << e.what();
  }
}

TEST(ScoreStore, ADatabaseThatCannotBeReachedIsNamedWithoutItsPassword) {
  TempDir dir;
  const std::string uri = "postgresql://glint:secret@/nowhere?host=" + dir.path();
  try {
    OpenScoreStore(uri);
    FAIL() << "reached a database that is not there";
  } catch (const std::runtime_error& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("postgresql://glint:***@/nowhere"), std::string::npos) << what;
    EXPECT_EQ(what.find("secret"), std::string::npos) << what;
  }
  const struct {
    const char* location;
    const char* shown;
  } cases[] = {
      {"/var/lib/glint/scores.db", "/var/lib/glint/scores.db"},
      {"postgresql://glint@db.example.org/scores", "postgresql://glint@db.example.org/scores"},
      {"postgres://u:p@h:5432/d", "postgres://u:***@h:5432/d"},
      {"postgresql:///d?host=/run&password=p&sslmode=require",
       "postgresql:///d?host=/run&password=***&sslmode=require"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShownLocation(c.location), c.shown);
}

}  // namespace
