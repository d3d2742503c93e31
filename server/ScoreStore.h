// The submitted scores, kept in an SQLite database (WAL mode, prepared statements only).
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

struct StoredScore {
  std::string name;  // screen-encoded bytes, as the game keeps them
  std::string add;   // the second name, screen-encoded
  std::int32_t score = 0;
  std::int64_t time = 0;  // Unix seconds of the submission
  std::string address;    // the client's address
};

class ScoreStore {
 public:
  // Opens or creates the database; throws std::runtime_error naming the file when it cannot.
  explicit ScoreStore(const std::string& path);
  ~ScoreStore();
  ScoreStore(const ScoreStore&) = delete;
  ScoreStore& operator=(const ScoreStore&) = delete;

  // Throws std::runtime_error when the row cannot be written.
  void Add(const StoredScore& score);
  // The `limit` best scores, highest first; equal scores in the order they came.
  std::vector<StoredScore> Best(int limit);

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt* best_ = nullptr;
  std::mutex mutex_;  // one connection, its statements used by one request at a time
};
