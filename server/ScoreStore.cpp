#include "server/ScoreStore.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

constexpr const char* kSchema =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=NORMAL;"
    "CREATE TABLE IF NOT EXISTS scores ("
    "  id INTEGER PRIMARY KEY,"
    "  name BLOB NOT NULL,"
    "  add_name BLOB NOT NULL,"
    "  score INTEGER NOT NULL,"
    "  submitted INTEGER NOT NULL,"
    "  address TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_best ON scores (score DESC, id);";

constexpr const char* kInsert =
    "INSERT INTO scores (name, add_name, score, submitted, address) VALUES (?, ?, ?, ?, ?)";
constexpr const char* kBest =
    "SELECT name, add_name, score, submitted, address FROM scores "
    "ORDER BY score DESC, id LIMIT ?";

std::string Column(sqlite3_stmt* statement, int column) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
  return bytes == nullptr
             ? std::string()
             : std::string(bytes,
                           static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
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

ScoreStore::ScoreStore(const std::string& path) {
  const auto fail = [&](const std::string& what) {
    const std::string message =
        "score database " + path + ": " + what + ": " + (db_ ? sqlite3_errmsg(db_) : "no memory");
    sqlite3_finalize(insert_);
    sqlite3_finalize(best_);
    sqlite3_close(db_);
    throw std::runtime_error(message);
  };
  if (sqlite3_open_v2(path.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    fail("cannot open");
  }
  sqlite3_busy_timeout(db_, 5000);
  if (sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) fail("cannot set up");
  if (sqlite3_prepare_v2(db_, kInsert, -1, &insert_, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db_, kBest, -1, &best_, nullptr) != SQLITE_OK) {
    fail("cannot prepare");
  }
}

ScoreStore::~ScoreStore() {
  sqlite3_finalize(insert_);
  sqlite3_finalize(best_);
  sqlite3_close(db_);
}

void ScoreStore::Add(const StoredScore& score) {
  const std::lock_guard lock(mutex_);
  const StatementUse use(insert_);
  sqlite3_bind_blob(insert_, 1, score.name.data(), static_cast<int>(score.name.size()),
                    SQLITE_STATIC);
  sqlite3_bind_blob(insert_, 2, score.add.data(), static_cast<int>(score.add.size()),
                    SQLITE_STATIC);
  sqlite3_bind_int(insert_, 3, score.score);
  sqlite3_bind_int64(insert_, 4, score.time);
  sqlite3_bind_text(insert_, 5, score.address.data(), static_cast<int>(score.address.size()),
                    SQLITE_STATIC);
  if (sqlite3_step(insert_) != SQLITE_DONE) {
    throw std::runtime_error(std::string("cannot store a score: ") + sqlite3_errmsg(db_));
  }
}

std::vector<StoredScore> ScoreStore::Best(int limit) {
  const std::lock_guard lock(mutex_);
  const StatementUse use(best_);
  sqlite3_bind_int(best_, 1, limit);
  std::vector<StoredScore> scores;
  int status;
  while ((status = sqlite3_step(best_)) == SQLITE_ROW) {
    scores.push_back({Column(best_, 0), Column(best_, 1), sqlite3_column_int(best_, 2),
                      sqlite3_column_int64(best_, 3), Column(best_, 4)});
  }
  if (status != SQLITE_DONE) {
    throw std::runtime_error(std::string("cannot read the scores: ") + sqlite3_errmsg(db_));
  }
  return scores;
}
