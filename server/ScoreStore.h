// The records, the tokens and the clients' budgets, kept in a database that several server
// processes may share: an SQLite file, or PostgreSQL for servers on more than one machine.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct StoredScore {
  std::int64_t id = 0;  // given by the store
  std::string name;     // screen-encoded bytes, as the game keeps them
  std::string add;      // the second name, screen-encoded
  std::int32_t score = 0;
  std::int64_t time = 0;  // Unix seconds of the submission
  std::string address;    // the player's address
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
  // The `limit` best scores, highest first; equal scores in the order they came.
  virtual std::vector<StoredScore> Best(int limit) = 0;
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
