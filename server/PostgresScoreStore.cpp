#include "server/PostgresScoreStore.h"

#include <endian.h>

#include <cstring>

#include "server/Token.h"

namespace {

// Servers starting together take turns making the tables.
constexpr const char* kSchema =
    "BEGIN;"
    "SELECT pg_advisory_xact_lock(7716001);"
    "CREATE TABLE IF NOT EXISTS scores ("
    "  id BIGSERIAL PRIMARY KEY,"
    "  name BYTEA NOT NULL,"
    "  add_name BYTEA NOT NULL,"
    "  score INTEGER NOT NULL,"
    "  submitted BIGINT NOT NULL,"
    "  address TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_best ON scores (score DESC, id);"
    "CREATE INDEX IF NOT EXISTS scores_address ON scores (address);"
    "CREATE TABLE IF NOT EXISTS tokens (token TEXT PRIMARY KEY, issued BIGINT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS tokens_issued ON tokens (issued);"
    "CREATE TABLE IF NOT EXISTS budgets (client TEXT PRIMARY KEY, full_at BIGINT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS budgets_full_at ON budgets (full_at);"
    // A record's token and the replay sent under it; removing the record removes them.
    "CREATE TABLE IF NOT EXISTS replays ("
    "  score_id BIGINT PRIMARY KEY REFERENCES scores (id) ON DELETE CASCADE,"
    "  token TEXT UNIQUE NOT NULL,"
    "  state INTEGER NOT NULL DEFAULT 0,"
    "  bytes BYTEA,"
    "  detail TEXT NOT NULL DEFAULT '');"
    "COMMIT;";

// A client's row holds when its budget is whole again; one with no row has its whole budget. The
// token is issued only when the budget could be spent.
constexpr const char* kIssue =
    "WITH spent AS ("
    "  INSERT INTO budgets (client, full_at) VALUES ($1::text, $2::bigint + $3::bigint)"
    "  ON CONFLICT (client) DO UPDATE SET full_at = GREATEST(budgets.full_at, $2) + $3"
    "  WHERE GREATEST(budgets.full_at, $2) - $2 <= $4::bigint"
    "  RETURNING 1) "
    "INSERT INTO tokens (token, issued) SELECT $5::text, $2 FROM spent RETURNING token";
// The token is spent by the statement that stores the record: if storing fails, it stays. The
// record keeps it, for the replay that follows.
constexpr const char* kRedeem =
    "WITH spent AS ("
    "  DELETE FROM tokens WHERE token = $1::text AND issued > $2::bigint RETURNING 1), "
    "stored AS ("
    "  INSERT INTO scores (name, add_name, score, submitted, address) "
    "  SELECT $3::bytea, $4::bytea, $5::integer, $6::bigint, $7::text FROM spent RETURNING id) "
    "INSERT INTO replays (score_id, token) SELECT id, $1::text FROM stored RETURNING score_id";
// $1 bytes, $2 token, $3 address, $4 the earliest submission time it may belong to.
constexpr const char* kAttach =
    "UPDATE replays r SET state = 1, bytes = $1::bytea FROM scores s "
    "WHERE r.token = $2::text AND r.state = 0 AND s.id = r.score_id AND s.address = $3::text "
    "AND s.submitted >= $4::bigint RETURNING r.score_id, s.score";
constexpr const char* kSetState =
    "UPDATE replays SET state = $1::integer, detail = $2::text WHERE score_id = $3::bigint";
constexpr const char* kReplayOf =
    "SELECT state, bytes, detail FROM replays WHERE score_id = $1::bigint";
// Clearing away skips rows that others hold, so servers clearing at once never wait on each other.
constexpr const char* kPurgeTokens =
    "DELETE FROM tokens WHERE token IN (SELECT token FROM tokens WHERE issued <= $1::bigint "
    "LIMIT 10000 FOR UPDATE SKIP LOCKED)";
constexpr const char* kPurgeBudgets =
    "DELETE FROM budgets WHERE client IN (SELECT client FROM budgets WHERE full_at <= $1::bigint "
    "LIMIT 10000 FOR UPDATE SKIP LOCKED)";
constexpr const char* kBest =
    "SELECT s.id, s.name, s.add_name, s.score, s.submitted, s.address, coalesce(r.state, 0) "
    "FROM scores s LEFT JOIN replays r ON r.score_id = s.id "
    "WHERE NOT $2::boolean OR r.state = 2 ORDER BY s.score DESC, s.id LIMIT $1::bigint";
constexpr const char* kRemove = "DELETE FROM scores WHERE id = $1::bigint";
constexpr const char* kRemoveFrom = "DELETE FROM scores WHERE address = $1::text";

constexpr std::int64_t kPurgePeriodMs = 10000;

// Timeouts keep a request within the game's patience even when the database is stuck.
std::string Session(const StoreOptions& options) {
  const std::string wait = std::to_string(options.lockWait.count());
  return "SET lock_timeout = " + wait +
         "; SET statement_timeout = " + std::to_string(2 * options.lockWait.count()) + ";";
}

// Binary parameters and columns: integers in network order.
std::string Int64(std::int64_t value) {
  const std::uint64_t big = htobe64(static_cast<std::uint64_t>(value));
  return std::string(reinterpret_cast<const char*>(&big), sizeof big);
}
std::string Int32(std::int32_t value) {
  const std::uint32_t big = htobe32(static_cast<std::uint32_t>(value));
  return std::string(reinterpret_cast<const char*>(&big), sizeof big);
}

std::string Bytes(const PGresult* result, int row, int column) {
  return std::string(PQgetvalue(result, row, column),
                     static_cast<std::size_t>(PQgetlength(result, row, column)));
}
std::int64_t GetInt64(const PGresult* result, int row, int column) {
  std::uint64_t big;
  std::memcpy(&big, PQgetvalue(result, row, column), sizeof big);
  return static_cast<std::int64_t>(be64toh(big));
}
std::int32_t GetInt32(const PGresult* result, int row, int column) {
  std::uint32_t big;
  std::memcpy(&big, PQgetvalue(result, row, column), sizeof big);
  return static_cast<std::int32_t>(be32toh(big));
}

std::int64_t Changed(const PgResult& result) {
  return std::stoll(PQcmdTuples(result.get()));
}

}  // namespace

PostgresScoreStore::PostgresScoreStore(const std::string& uri, const StoreOptions& options)
    : options_(options),
      pool_(uri, ShownLocation(uri), options.connections, kSchema, Session(options),
            {{"issue", kIssue},
             {"redeem", kRedeem},
             {"purge_tokens", kPurgeTokens},
             {"purge_budgets", kPurgeBudgets},
             {"attach", kAttach},
             {"set_state", kSetState},
             {"replay_of", kReplayOf},
             {"best", kBest},
             {"remove", kRemove},
             {"remove_from", kRemoveFrom}}) {}

std::optional<std::string> PostgresScoreStore::IssueToken(const std::string& client,
                                                          std::int64_t nowMs) {
  std::int64_t due = nextPurgeMs_;
  if (nowMs >= due && nextPurgeMs_.compare_exchange_strong(due, nowMs + kPurgePeriodMs)) {
    pool_.Run("purge_tokens", {Int64(nowMs - options_.lifetime.count())});
    pool_.Run("purge_budgets", {Int64(nowMs)});
  }
  const PgResult issued =
      pool_.Run("issue", {client, Int64(nowMs), Int64(options_.refill.count()),
                          Int64(options_.refill.count() * (options_.burst - 1)), NewToken()});
  if (PQntuples(issued.get()) == 0) return std::nullopt;
  return Bytes(issued.get(), 0, 0);
}

bool PostgresScoreStore::AddWithToken(const std::string& token, const StoredScore& score,
                                      std::int64_t nowMs) {
  const PgResult stored =
      pool_.Run("redeem", {token, Int64(nowMs - options_.lifetime.count()), score.name, score.add,
                           Int32(score.score), Int64(score.time), score.address});
  return PQntuples(stored.get()) == 1;
}

std::optional<std::pair<std::int64_t, std::int32_t>> PostgresScoreStore::AttachReplay(
    const std::string& token, const std::string& address, const std::string& replay,
    std::int64_t nowMs) {
  const PgResult attached = pool_.Run(
      "attach", {replay, token, address, Int64((nowMs - options_.lifetime.count()) / 1000)});
  if (PQntuples(attached.get()) != 1) return std::nullopt;
  return std::pair{GetInt64(attached.get(), 0, 0), GetInt32(attached.get(), 0, 1)};
}

void PostgresScoreStore::SetReplayState(std::int64_t id, ReplayState state,
                                        const std::string& detail) {
  pool_.Run("set_state", {Int32(static_cast<std::int32_t>(state)), detail, Int64(id)});
}

StoredReplay PostgresScoreStore::ReplayOf(std::int64_t id) {
  const PgResult found = pool_.Run("replay_of", {Int64(id)});
  if (PQntuples(found.get()) != 1) return {};
  const PGresult* result = found.get();
  return {static_cast<ReplayState>(GetInt32(result, 0, 0)), Bytes(result, 0, 1),
          Bytes(result, 0, 2)};
}

std::vector<StoredScore> PostgresScoreStore::Best(int limit, bool verifiedOnly) {
  const PgResult best = pool_.Run("best", {Int64(limit), std::string(1, verifiedOnly ? 1 : 0)});
  std::vector<StoredScore> scores;
  for (int row = 0; row < PQntuples(best.get()); ++row) {
    const PGresult* result = best.get();
    scores.push_back({GetInt64(result, row, 0), Bytes(result, row, 1), Bytes(result, row, 2),
                      GetInt32(result, row, 3), GetInt64(result, row, 4), Bytes(result, row, 5),
                      static_cast<ReplayState>(GetInt32(result, row, 6))});
  }
  return scores;
}

std::int64_t PostgresScoreStore::Remove(std::int64_t id) {
  return Changed(pool_.Run("remove", {Int64(id)}));
}

std::int64_t PostgresScoreStore::RemoveFrom(const std::string& address) {
  return Changed(pool_.Run("remove_from", {address}));
}
