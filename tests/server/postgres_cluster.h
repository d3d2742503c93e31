// A throw-away PostgreSQL cluster: made with initdb in a folder of its own under the build
// folder, served by its own postgres on a Unix socket in that folder (no port to collide on when
// tests run side by side), stopped and removed with the object. Run as root, the programs run as
// the postgres user (else nobody), who owns the folder, since PostgreSQL refuses root.
#pragma once

#include <string>
#include <vector>

namespace server_testing {

class PostgresCluster {
 public:
  // `durable`: PostgreSQL's own settings, flushing every commit (for figures); otherwise
  // nothing is flushed, which a test does not need. Throws std::runtime_error when PostgreSQL
  // is not installed or does not start.
  explicit PostgresCluster(bool durable = false);
  ~PostgresCluster();
  PostgresCluster(const PostgresCluster&) = delete;
  PostgresCluster& operator=(const PostgresCluster&) = delete;

  // Makes the database `name`; its connection URI.
  std::string CreateDatabase(const std::string& name);
  // The URI of a database of the cluster.
  std::string Uri(const std::string& database) const;

 private:
  // Runs a PostgreSQL program as the cluster's owner; throws with its output when it fails.
  void Run(const std::string& program, const std::vector<std::string>& args) const;

  std::string bin_;    // the folder of initdb, pg_ctl and postgres
  std::string dir_;    // the cluster's folder: data/, the socket and the logs
  std::string runAs_;  // the user the programs run as; empty when not root
  bool started_ = false;
};

}  // namespace server_testing
