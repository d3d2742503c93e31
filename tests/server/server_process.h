// The built server program running in the background on a free loopback port, and other
// programs the server tests start.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace server_testing {

class ServerProcess {
 public:
  // Starts GLINT_SERVER_BINARY on 127.0.0.1 port 0 with this database (and `extraArgs`), its
  // standard error in `log`, and waits for the line that names its address; throws when it does
  // not come.
  ServerProcess(const std::string& database, const std::string& log,
                const std::vector<std::string>& extraArgs = {});
  // A database file, with the log beside it.
  explicit ServerProcess(const std::string& databaseFile)
      : ServerProcess(databaseFile, databaseFile + ".log") {}
  // Stops the server (SIGTERM) if it still runs.
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  const std::string& host() const { return host_; }
  int port() const { return port_; }
  std::string url() const { return "http://" + host_ + ":" + std::to_string(port_); }
  // SIGTERM, then the exit status (-1 when it did not exit normally).
  int Stop();
  // What the server wrote to its standard error so far.
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  int out_ = -1;  // kept open: the server never finds its standard output closed
  std::string log_;
  std::string host_ = "127.0.0.1";
  int port_ = 0;
};

// Runs a program to its end with standard output and error in `outputFile`; its exit status,
// or -1.
int RunProgram(const std::vector<std::string>& args, const std::string& outputFile);

bool HaveChromium();

// Chromium alone with a fresh profile, no network of its own, the page in a window of `size`
// ("W,H"); what it prints goes to `output`.
int RunChromium(const std::string& option, const std::string& size, const std::string& url,
                const std::string& output);

}  // namespace server_testing
