#include "server/SqliteScoreStore.h"

#include <stdexcept>

#include "server/Token.h"

namespace {

constexpr const char* kSchema =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=NORMAL;"
    "PRAGMA foreign_keys=ON;"
    "CREATE TABLE IF NOT EXISTS scores ("
    "  id INTEGER PRIMARY KEY,"
    "  name BLOB NOT NULL,"
    "  add_name BLOB NOT NULL,"
    "  score INTEGER NOT NULL,"
    "  submitted INTEGER NOT NULL,"
    "  address TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_best ON scores (score DESC, id);"
    "CREATE INDEX IF NOT EXISTS scores_address ON scores (address);"
    "CREATE TABLE IF NOT EXISTS tokens (token TEXT PRIMARY KEY, issued INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS tokens_issued ON tokens (issued);"
    "CREATE TABLE IF NOT EXISTS budgets (client TEXT PRIMARY KEY, full_at INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS budgets_full_at ON budgets (full_at);"
    // A record's token and the replay sent under it; removing the record removes them.
    "CREATE TABLE IF NOT EXISTS replays ("
    "  score_id INTEGER PRIMARY KEY REFERENCES scores (id) ON DELETE CASCADE,"
    "  token TEXT UNIQUE NOT NULL,"
    "  state INTEGER NOT NULL DEFAULT 0,"
    "  bytes BLOB,"
    "  detail TEXT NOT NULL DEFAULT '');";

enum Query : std::size_t {
  kBegin,
  kCommit,
  kRollback,
  kSpend,
  kIssue,
  kPurgeTokens,
  kPurgeBudgets,
  kRedeem,
  kInsert,
  kTieToken,
  kAttach,
  kSetState,
  kReplayOf,
  kBest,
  kRemove,
  kRemoveFrom,
  kQueryCount
};

// In the order of Query (multi-line texts in parentheses, so they read as one element).
constexpr const char* kSql[] = {
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    // ?1 client, ?2 now, ?3 refill, ?4 how far ahead of now a budget may be spent. A client's
    // row holds when its budget is whole again; one with no row has its whole budget.
    ("INSERT INTO budgets (client, full_at) VALUES (?1, ?2 + ?3) "
     "ON CONFLICT (client) DO UPDATE SET full_at = max(full_at, ?2) + ?3 "
     "WHERE max(full_at, ?2) - ?2 <= ?4"),
    "INSERT INTO tokens (token, issued) VALUES (?, ?)",
    "DELETE FROM tokens WHERE issued <= ?",
    "DELETE FROM budgets WHERE full_at <= ?",
    "DELETE FROM tokens WHERE token = ? AND issued > ?",
    "INSERT INTO scores (name, add_name, score, submitted, address) VALUES (?, ?, ?, ?, ?)",
    "INSERT INTO replays (score_id, token) VALUES (last_insert_rowid(), ?)",
    // ?1 bytes, ?2 token, ?3 address, ?4 the earliest submission time it may belong to.
    ("UPDATE replays SET state = 1, bytes = ?1 WHERE token = ?2 AND state = 0 AND score_id IN "
     "(SELECT id FROM scores WHERE address = ?3 AND submitted >= ?4) "
     "RETURNING score_id, (SELECT score FROM scores WHERE id = score_id)"),
    "UPDATE replays SET state = ?, detail = ? WHERE score_id = ?",
    "SELECT state, bytes, detail FROM replays WHERE score_id = ?",
    ("SELECT s.id, s.name, s.add_name, s.score, s.submitted, s.address, "
     "coalesce(r.state, 0) FROM scores s LEFT JOIN replays r ON r.score_id = s.id "
     "WHERE ?2 = 0 OR r.state = 2 ORDER BY s.score DESC, s.id LIMIT ?1"),
    "DELETE FROM scores WHERE id = ?",
    "DELETE FROM scores WHERE address = ?",
};
static_assert(std::size(kSql) == kQueryCount);

// How often expired tokens and whole budgets are cleared away.
constexpr std::int64_t kPurgePeriodMs = 10000;

std::string Column(sqlite3_stmt* statement, int column) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
  return bytes == nullptr
             ? std::string()
             : std::string(bytes,
                           static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

void Bind(sqlite3_stmt* statement, int index, const std::string& text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}
void BindBytes(sqlite3_stmt* statement, int index, const std::string& bytes) {
  sqlite3_bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
}
void Bind(sqlite3_stmt* statement, int index, std::int64_t value) {
  sqlite3_bind_int64(statement, index, value);
}

// Resets the statement and clears its parameters when the scope ends, however it ends.
class StatementUse {
 public:
  explicit StatementUse(sqlite3_stmt* statement) : statement_(statement) {}
  ~StatementUse() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  StatementUse(const StatementUse&) = delete;
  StatementUse& operator=(const StatementUse&) = delete;

 private:
  sqlite3_stmt* statement_;
};

}  // namespace

// A write transaction, rolled back unless committed.
class SqliteScoreStore::Transaction {
 public:
  explicit Transaction(SqliteScoreStore& store) : store_(store) { store_.Run(kBegin); }
  ~Transaction() {
    if (committed_) return;
    sqlite3_stmt* rollback = store_.statements_[kRollback];
    sqlite3_step(rollback);
    sqlite3_reset(rollback);
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit() {
    store_.Run(kCommit);
    committed_ = true;
  }

 private:
  SqliteScoreStore& store_;
  bool committed_ = false;
};

SqliteScoreStore::SqliteScoreStore(const std::string& path, const StoreOptions& options)
    : options_(options) {
  const auto fail = [&](const std::string& what) {
    const std::string message =
        "score database " + path + ": " + what + ": " + (db_ ? sqlite3_errmsg(db_) : "no memory");
    for (sqlite3_stmt* statement : statements_) sqlite3_finalize(statement);
    sqlite3_close(db_);
    throw std::runtime_error(message);
  };
  if (sqlite3_open_v2(path.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    fail("cannot open");
  }
  sqlite3_busy_timeout(db_, static_cast<int>(options.lockWait.count()));
  if (sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) fail("cannot set up");
  static_assert(kQueryCount == kStatements);
  for (std::size_t query = 0; query < kQueryCount; ++query) {
    if (sqlite3_prepare_v2(db_, kSql[query], -1, &statements_[query], nullptr) != SQLITE_OK) {
      fail("cannot prepare");
    }
  }
}

SqliteScoreStore::~SqliteScoreStore() {
  for (sqlite3_stmt* statement : statements_) sqlite3_finalize(statement);
  sqlite3_close(db_);
}

std::optional<std::string> SqliteScoreStore::IssueToken(const std::string& client,
                                                        std::int64_t nowMs) {
  const std::lock_guard lock(mutex_);
  Transaction transaction(*this);
  if (nowMs >= nextPurgeMs_) {
    Bind(statements_[kPurgeTokens], 1, nowMs - options_.lifetime.count());
    Run(kPurgeTokens);
    Bind(statements_[kPurgeBudgets], 1, nowMs);
    Run(kPurgeBudgets);
    nextPurgeMs_ = nowMs + kPurgePeriodMs;
  }
  sqlite3_stmt* spend = statements_[kSpend];
  Bind(spend, 1, client);
  Bind(spend, 2, nowMs);
  Bind(spend, 3, std::int64_t{options_.refill.count()});
  Bind(spend, 4, std::int64_t{options_.refill.count() * (options_.burst - 1)});
  std::optional<std::string> token;
  if (Run(kSpend) != 0) {
    token = NewToken();
    Bind(statements_[kIssue], 1, *token);
    Bind(statements_[kIssue], 2, nowMs);
    Run(kIssue);
  }
  transaction.Commit();
  return token;
}

bool SqliteScoreStore::AddWithToken(const std::string& token, const StoredScore& score,
                                    std::int64_t nowMs) {
  const std::lock_guard lock(mutex_);
  Transaction transaction(*this);
  Bind(statements_[kRedeem], 1, token);
  Bind(statements_[kRedeem], 2, nowMs - options_.lifetime.count());
  if (Run(kRedeem) == 0) return false;
  sqlite3_stmt* insert = statements_[kInsert];
  BindBytes(insert, 1, score.name);
  BindBytes(insert, 2, score.add);
  Bind(insert, 3, std::int64_t{score.score});
  Bind(insert, 4, score.time);
  Bind(insert, 5, score.address);
  Run(kInsert);
  Bind(statements_[kTieToken], 1, token);
  Run(kTieToken);
  transaction.Commit();
  return true;
}

std::optional<std::pair<std::int64_t, std::int32_t>> SqliteScoreStore::AttachReplay(
    const std::string& token, const std::string& address, const std::string& replay,
    std::int64_t nowMs) {
  const std::lock_guard lock(mutex_);
  sqlite3_stmt* attach = statements_[kAttach];
  const StatementUse use(attach);
  BindBytes(attach, 1, replay);
  Bind(attach, 2, token);
  Bind(attach, 3, address);
  Bind(attach, 4, (nowMs - options_.lifetime.count()) / 1000);
  std::optional<std::pair<std::int64_t, std::int32_t>> record;
  if (sqlite3_step(attach) == SQLITE_ROW) {
    record.emplace(sqlite3_column_int64(attach, 0), sqlite3_column_int(attach, 1));
  }
  if (sqlite3_step(attach) != SQLITE_DONE) Fail("cannot keep the replay");
  return record;
}

void SqliteScoreStore::SetReplayState(std::int64_t id, ReplayState state,
                                      const std::string& detail) {
  const std::lock_guard lock(mutex_);
  Bind(statements_[kSetState], 1, std::int64_t{static_cast<std::int32_t>(state)});
  Bind(statements_[kSetState], 2, detail);
  Bind(statements_[kSetState], 3, id);
  Run(kSetState);
}

StoredReplay SqliteScoreStore::ReplayOf(std::int64_t id) {
  const std::lock_guard lock(mutex_);
  sqlite3_stmt* query = statements_[kReplayOf];
  const StatementUse use(query);
  Bind(query, 1, id);
  StoredReplay replay;
  if (sqlite3_step(query) == SQLITE_ROW) {
    replay = {static_cast<ReplayState>(sqlite3_column_int(query, 0)), Column(query, 1),
              Column(query, 2)};
  }
  return replay;
}

std::vector<StoredScore> SqliteScoreStore::Best(int limit, bool verifiedOnly) {
  const std::lock_guard lock(mutex_);
  sqlite3_stmt* best = statements_[kBest];
  const StatementUse use(best);
  Bind(best, 1, std::int64_t{limit});
  Bind(best, 2, std::int64_t{verifiedOnly ? 1 : 0});
  std::vector<StoredScore> scores;
  int status;
  while ((status = sqlite3_step(best)) == SQLITE_ROW) {
    scores.push_back({sqlite3_column_int64(best, 0), Column(best, 1), Column(best, 2),
                      sqlite3_column_int(best, 3), sqlite3_column_int64(best, 4), Column(best, 5),
                      static_cast<ReplayState>(sqlite3_column_int(best, 6))});
  }
  if (status != SQLITE_DONE) Fail("cannot read the scores");
  return scores;
}

std::int64_t SqliteScoreStore::Remove(std::int64_t id) {
  const std::lock_guard lock(mutex_);
  Bind(statements_[kRemove], 1, id);
  return Run(kRemove);
}

std::int64_t SqliteScoreStore::RemoveFrom(const std::string& address) {
  const std::lock_guard lock(mutex_);
  Bind(statements_[kRemoveFrom], 1, address);
  return Run(kRemoveFrom);
}

std::int64_t SqliteScoreStore::Run(std::size_t query) {
  sqlite3_stmt* statement = statements_[query];
  const StatementUse use(statement);
  if (sqlite3_step(statement) != SQLITE_DONE) Fail(std::string("cannot run ") + kSql[query]);
  return sqlite3_changes(db_);
}

void SqliteScoreStore::Fail(const std::string& what) const {
  throw std::runtime_error("score database: " + what + ": " + sqlite3_errmsg(db_));
}
