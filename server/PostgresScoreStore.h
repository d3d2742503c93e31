// The store in a PostgreSQL database, which server processes on several machines may share:
// records, their replays, tokens and budgets all live there, and every change is one statement.
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
  const StoreOptions options_;
  PostgresPool pool_;
  std::atomic<std::int64_t> nextPurgeMs_ = 0;
};
