#include "server/PostgresPool.h"

#include <algorithm>
#include <stdexcept>

namespace {

// The database's own notices ("relation already exists, skipping") are not the server's news.
void IgnoreNotice(void*, const char*) {}

PgResult Execute(PGconn* connection, const std::string& sql) {
  return PgResult(PQexec(connection, sql.c_str()), &PQclear);
}

bool Succeeded(const PgResult& result) {
  const ExecStatusType status = PQresultStatus(result.get());
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

}  // namespace

PostgresPool::PostgresPool(const std::string& uri, const std::string& shownName, std::size_t size,
                           const std::string& setup, const std::string& session,
                           std::vector<PreparedStatement> statements)
    : uri_(uri), shownName_(shownName), session_(session), statements_(std::move(statements)) {
  all_.assign(std::max<std::size_t>(size, 1), nullptr);
  try {
    PGconn* first = PQconnectdb(uri_.c_str());
    all_[0] = first;
    if (PQstatus(first) != CONNECTION_OK) Fail("cannot connect", first);
    PQsetNoticeProcessor(first, IgnoreNotice, nullptr);
    if (!Succeeded(Execute(first, setup))) Fail("cannot set up", first);
    for (PGconn*& connection : all_) Ready(connection);
  } catch (...) {
    for (PGconn* connection : all_) PQfinish(connection);
    throw;
  }
  idle_ = all_;
}

PostgresPool::~PostgresPool() {
  for (PGconn* connection : all_) PQfinish(connection);
}

PgResult PostgresPool::Run(const char* name, const std::vector<std::string>& parameters) {
  PGconn* connection;
  {
    std::unique_lock lock(mutex_);
    returned_.wait(lock, [this] { return !idle_.empty(); });
    connection = idle_.back();
    idle_.pop_back();
  }
  // The connection goes back however this ends.
  const auto giveBack = [this](PGconn* const* lent) {
    {
      const std::lock_guard lock(mutex_);
      idle_.push_back(*lent);
    }
    returned_.notify_one();
  };
  const std::unique_ptr<PGconn*, decltype(giveBack)> lease(&connection, giveBack);
  if (PQstatus(connection) != CONNECTION_OK) Ready(connection);
  std::vector<const char*> values;
  std::vector<int> lengths, formats;
  for (const std::string& parameter : parameters) {
    values.push_back(parameter.data());
    lengths.push_back(static_cast<int>(parameter.size()));
    formats.push_back(1);
  }
  PgResult result(PQexecPrepared(connection, name, static_cast<int>(parameters.size()),
                                 values.data(), lengths.data(), formats.data(), 1),
                  &PQclear);
  if (!Succeeded(result)) {
    throw std::runtime_error("score database " + shownName_ + ": " + name + ": " +
                             PQresultErrorMessage(result.get()));
  }
  return result;
}

void PostgresPool::Ready(PGconn*& connection) {
  if (connection == nullptr) {
    connection = PQconnectdb(uri_.c_str());
  } else if (PQstatus(connection) != CONNECTION_OK) {
    PQreset(connection);
  }
  if (PQstatus(connection) != CONNECTION_OK) Fail("cannot connect", connection);
  PQsetNoticeProcessor(connection, IgnoreNotice, nullptr);
  if (!Succeeded(Execute(connection, session_))) Fail("cannot set up the session", connection);
  for (const PreparedStatement& statement : statements_) {
    const PgResult prepared(PQprepare(connection, statement.name, statement.sql, 0, nullptr),
                            &PQclear);
    if (!Succeeded(prepared)) Fail(std::string("cannot prepare ") + statement.name, connection);
  }
}

void PostgresPool::Fail(const std::string& what, PGconn* connection) const {
  throw std::runtime_error("score database " + shownName_ + ": " + what + ": " +
                           (connection ? PQerrorMessage(connection) : "no memory"));
}
