// Connections to one PostgreSQL database, each with the same statements prepared, lent to one
// request at a time. A connection found broken is opened anew when it is next lent.
#pragma once

#include <libpq-fe.h>

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct PreparedStatement {
  const char* name;
  const char* sql;  // parameters typed by casts ($1::bigint), as they are sent in binary
};

// A result, freed with the object.
using PgResult = std::unique_ptr<PGresult, decltype(&PQclear)>;

class PostgresPool {
 public:
  // Opens `size` connections to `uri`, runs `setup` once on the first (the schema) and `session`
  // on each (its settings), then prepares `statements` on each. Throws std::runtime_error with
  // the database's reason, naming the database by `shownName`.
  PostgresPool(const std::string& uri, const std::string& shownName, std::size_t size,
               const std::string& setup, const std::string& session,
               std::vector<PreparedStatement> statements);
  ~PostgresPool();
  PostgresPool(const PostgresPool&) = delete;
  PostgresPool& operator=(const PostgresPool&) = delete;

  // Runs the prepared statement `name` with binary parameters (nullptr: NULL) on a free
  // connection, waiting for one; its result, with binary columns. Throws std::runtime_error
  // when the statement fails.
  PgResult Run(const char* name, const std::vector<std::string>& parameters);

 private:
  // Opens or reopens the connection and makes it ready; throws when it cannot.
  void Ready(PGconn*& connection);
  [[noreturn]] void Fail(const std::string& what, PGconn* connection) const;

  const std::string uri_;
  const std::string shownName_;
  const std::string session_;
  const std::vector<PreparedStatement> statements_;
  std::mutex mutex_;
  std::condition_variable returned_;
  std::vector<PGconn*> idle_;  // nullptr: to be opened when next lent
  std::vector<PGconn*> all_;
};
