#include "tests/server/postgres_cluster.h"

#include <libpq-fe.h>
#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "tests/server/server_process.h"
#include "tests/support/game_runner.h"

namespace server_testing {
namespace {

namespace fs = std::filesystem;

// The newest installed PostgreSQL's programs (Debian keeps them out of PATH).
std::string FindBin() {
  std::string newest;
  std::error_code error;
  for (const auto& version : fs::directory_iterator("/usr/lib/postgresql", error)) {
    const fs::path bin = version.path() / "bin";
    if (fs::exists(bin / "initdb") && bin.string() > newest) newest = bin.string();
  }
  if (newest.empty()) {
    throw std::runtime_error(
        "PostgreSQL is not installed (scripts/install-deps.sh installs the postgresql package)");
  }
  return newest;
}

// A Unix socket's path must stay under about 100 bytes.
constexpr std::size_t kMaxSocketDir = 80;

std::string MakeDir(const std::string& parent) {
  std::string pattern = parent + "/glint-pg-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed in " + parent);
  return pattern;
}

}  // namespace

PostgresCluster::PostgresCluster(bool durable) : bin_(FindBin()) {
  std::string parent = GLINT_SCRATCH_DIR;
  if (geteuid() == 0) runAs_ = getpwnam("postgres") ? "postgres" : "nobody";
  dir_ = parent.size() < kMaxSocketDir ? MakeDir(parent) : MakeDir("/tmp");
  if (!runAs_.empty()) {
    const passwd* owner = getpwnam(runAs_.c_str());
    // The owner must reach the folder: where the build folder is closed to it, /tmp serves.
    if (chown(dir_.c_str(), owner->pw_uid, owner->pw_gid) != 0 ||
        RunProgram({"runuser", "-u", runAs_, "--", "test", "-w", dir_}, dir_ + "/reach.log") != 0) {
      fs::remove_all(dir_);
      dir_ = MakeDir("/tmp");
      if (chown(dir_.c_str(), owner->pw_uid, owner->pw_gid) != 0) {
        throw std::runtime_error("cannot give " + dir_ + " to " + runAs_);
      }
    }
  }
  try {
    Run("initdb", {"-D", dir_ + "/data", "-A", "trust", "-U", "glint", "-E", "UTF8", "--locale=C",
                   "--no-sync", "--no-instructions"});
    std::string settings = "-c listen_addresses='' -c unix_socket_directories='" + dir_ + "'";
    if (!durable) settings += " -c fsync=off -c synchronous_commit=off -c full_page_writes=off";
    Run("pg_ctl", {"-D", dir_ + "/data", "-l", dir_ + "/postgres.log", "-w", "-t", "60", "-o",
                   settings, "start"});
    started_ = true;
  } catch (...) {
    fs::remove_all(dir_);
    throw;
  }
}

PostgresCluster::~PostgresCluster() {
  try {
    if (started_) Run("pg_ctl", {"-D", dir_ + "/data", "-m", "immediate", "-w", "stop"});
  } catch (const std::exception&) {
    // Removing its folder below is all that is left to do.
  }
  std::error_code error;
  fs::remove_all(dir_, error);
}

std::string PostgresCluster::CreateDatabase(const std::string& name) {
  const std::unique_ptr<PGconn, decltype(&PQfinish)> connection(
      PQconnectdb(Uri("postgres").c_str()), &PQfinish);
  const std::unique_ptr<PGresult, decltype(&PQclear)> result(
      PQexec(connection.get(), ("CREATE DATABASE " + name).c_str()), &PQclear);
  if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
    throw std::runtime_error("cannot create the database " + name + ": " +
                             PQerrorMessage(connection.get()));
  }
  return Uri(name);
}

std::string PostgresCluster::Uri(const std::string& database) const {
  return "postgresql://glint@/" + database + "?host=" + dir_;
}

void PostgresCluster::Run(const std::string& program, const std::vector<std::string>& args) const {
  std::vector<std::string> command;
  if (!runAs_.empty()) command = {"runuser", "-u", runAs_, "--"};
  command.push_back(bin_ + "/" + program);
  command.insert(command.end(), args.begin(), args.end());
  const std::string log = dir_ + "/" + program + ".log";
  if (RunProgram(command, log) != 0) {
    throw std::runtime_error(program + " failed: " + testing_support::ReadFile(log) +
                             testing_support::ReadFile(dir_ + "/postgres.log"));
  }
}

}  // namespace server_testing
