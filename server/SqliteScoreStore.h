// The store in one SQLite file (WAL mode, prepared statements only). Server processes on one
// machine may share the file.
#pragma once

#include <sqlite3.h>

#include <array>
#include <mutex>

#include "server/ScoreStore.h"

class SqliteScoreStore final : public ScoreStore {
 public:
  // Opens or creates the file (":memory:" is a database of this object alone).
  SqliteScoreStore(const std::string& path, const StoreOptions& options);
  ~SqliteScoreStore() override;
  SqliteScoreStore(const SqliteScoreStore&) = delete;
  SqliteScoreStore& operator=(const SqliteScoreStore&) = delete;

  std::optional<std::string> IssueToken(const std::string& client, std::int64_t nowMs) override;
  bool AddWithToken(const std::string& token, const StoredScore& score,
                    std::int64_t nowMs) override;
  std::optional<std::pair<std::int64_t, std::int32_t>> AttachReplay(const std::string& token,
                                                                    const std::string& address,
                                                                    const std::string& replay,
                                                                    std::int64_t nowMs) override;
  void SetReplayState(std::int64_t id, ReplayState state, const std::string& detail) override;
  StoredReplay ReplayOf(std::int64_t id) override;
  std::vector<StoredScore> Best(int limit, bool verifiedOnly) override;
  using ScoreStore::Best;
  std::int64_t Remove(std::int64_t id) override;
  std::int64_t RemoveFrom(const std::string& address) override;

 private:
  static constexpr std::size_t kStatements = 16;
  class Transaction;
  // Runs statement `query` to its end with its parameters bound; the rows it changed.
  std::int64_t Run(std::size_t query);
  void Fail(const std::string& what) const;

  const StoreOptions options_;
  sqlite3* db_ = nullptr;
  std::array<sqlite3_stmt*, kStatements> statements_{};
  std::int64_t nextPurgeMs_ = 0;
  std::mutex mutex_;  // one connection, its statements used by one request at a time
};
