// The records, the tokens and the clients' budgets, kept in a database that several server
// processes may share: an SQLite file, or PostgreSQL for servers on more than one machine.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What is known of a record's game, from the replay sent after it.
enum class ReplayState : std::int32_t {
  None = 0,      // no replay came (yet)
  Pending = 1,   // its replay waits to be played
  Verified = 2,  // its replay played to this score
  Flagged = 3,   // its replay did not: kept for the operator
};

struct StoredScore {
  std::int64_t id = 0;  // given by the store
  std::string name;     // screen-encoded bytes, as the game keeps them
  std::string add;      // the second name, screen-encoded
  std::int32_t score = 0;
  std::int64_t time = 0;  // Unix seconds of the submission
  std::string address;    // the player's address
  ReplayState replay = ReplayState::None;
};

// A record's replay as kept for the operator.
struct StoredReplay {
  ReplayState state = ReplayState::None;
  std::string bytes;   // the replay file
  std::string detail;  // how its check went
};

struct StoreOptions {
  // Tokens per client (AddressKey): a burst, then one more every refill.
  int burst = 10;
  std::chrono::milliseconds refill{30000};
  // How long a token is good for.
  std::chrono::milliseconds lifetime{600000};
  // How long a write waits for another one holding the database before it fails.
  std::chrono::milliseconds lockWait{2000};
  // PostgreSQL: the connections each server process keeps open.
  std::size_t connections = 8;
};

class ScoreStore {
 public:
  virtual ~ScoreStore() = default;

  // Spends one of the client's budget and issues a token at `nowMs` (Unix milliseconds); nothing
  // when the budget is spent. Throws std::runtime_error when the database fails.
  virtual std::optional<std::string> IssueToken(const std::string& client, std::int64_t nowMs) = 0;
  // Stores `score` and spends `token` in one transaction; false, and nothing changes, when the
  // token was never issued, is spent, or has expired at `nowMs`. Throws std::runtime_error when
  // the record cannot be written, and the token is then still good.
  virtual bool AddWithToken(const std::string& token, const StoredScore& score,
                            std::int64_t nowMs) = 0;
  // Keeps `replay` for the record that `token` stored, as Pending, when that record was sent from
  // `address` at most a token's lifetime before `nowMs` and has no replay yet; its id and score.
  // Nothing otherwise. Throws std::runtime_error when the database fails.
  virtual std::optional<std::pair<std::int64_t, std::int32_t>> AttachReplay(
      const std::string& token, const std::string& address, const std::string& replay,
      std::int64_t nowMs) = 0;
  // The check of record `id`'s replay ended.
  virtual void SetReplayState(std::int64_t id, ReplayState state, const std::string& detail) = 0;
  virtual StoredReplay ReplayOf(std::int64_t id) = 0;
  // The `limit` best scores, highest first; equal scores in the order they came; only the
  // verified ones with `verifiedOnly`.
  virtual std::vector<StoredScore> Best(int limit, bool verifiedOnly) = 0;
  std::vector<StoredScore> Best(int limit) { return Best(limit, false); }
  // Removes the record `id`, or every record sent from `address`; how many went.
  virtual std::int64_t Remove(std::int64_t id) = 0;
  virtual std::int64_t RemoveFrom(const std::string& address) = 0;
};

// A PostgreSQL connection URI ("postgresql://..." or "postgres://...") opens that database;
// anything else is the name of an SQLite file. The tables are made when missing. Throws
// std::runtime_error naming the database when it cannot be opened.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& location,
                                           const StoreOptions& options = {});

// The location as it may be shown: a password in a URI is left out.
std::string ShownLocation(const std::string& location);
