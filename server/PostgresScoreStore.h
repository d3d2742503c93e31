// The store in a PostgreSQL database, which server processes on several machines may share:
// records, tokens and budgets all live there, and every change is one statement.
#pragma once

#include <atomic>

#include "server/PostgresPool.h"
#include "server/ScoreStore.h"

class PostgresScoreStore final : public ScoreStore {
 public:
  // `uri`: a libpq connection URI. Creates the tables when missing.
  PostgresScoreStore(const std::string& uri, const StoreOptions& options);

  std::optional<std::string> IssueToken(const std::string& client, std::int64_t nowMs) override;
  bool AddWithToken(const std::string& token, const StoredScore& score,
                    std::int64_t nowMs) override;
  std::vector<StoredScore> Best(int limit) override;
  std::int64_t Remove(std::int64_t id) override;
  std::int64_t RemoveFrom(const std::string& address) override;

 private:
  const StoreOptions options_;
  PostgresPool pool_;
  std::atomic<std::int64_t> nextPurgeMs_ = 0;
};
