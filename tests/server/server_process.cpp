#include "tests/server/server_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "tests/support/game_runner.h"

namespace server_testing {
namespace {

// Starts `args` with standard output on `outFd` (or the output file) and standard error in the
// output file.
pid_t Spawn(const std::vector<std::string>& args, int outFd, const std::string& outputFile) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  if (outFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
  } else {
    posix_spawn_file_actions_adddup2(&actions, 2, 1);
  }
  std::vector<std::string> copies = args;
  std::vector<char*> argv;
  for (auto& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int failure = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failure != 0) throw std::runtime_error("cannot start " + args[0]);
  return pid;
}

int Wait(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ServerProcess::ServerProcess(const std::string& database, const std::string& log,
                             const std::vector<std::string>& extraArgs)
    : log_(log) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> args = {GLINT_SERVER_BINARY, "--listen", host_ + ":0", "--db", database};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  pid_ = Spawn(args, out[1], log_);
  close(out[1]);
  out_ = out[0];
  // "glintbreaker-server: listening on http://127.0.0.1:PORT with the database FILE"
  std::string line;
  char c;
  while (read(out_, &c, 1) == 1 && c != '\n') line += c;
  const std::string marker = "http://" + host_ + ":";
  const auto at = line.find(marker);
  if (at == std::string::npos) {
    Stop();
    throw std::runtime_error("the server did not start: " + line + Log());
  }
  port_ = std::stoi(line.substr(at + marker.size()));
}

ServerProcess::~ServerProcess() {
  Stop();
  if (out_ >= 0) close(out_);
}

int ServerProcess::Stop() {
  if (pid_ < 0) return -1;
  kill(pid_, SIGTERM);
  const int status = Wait(pid_);
  pid_ = -1;
  return status;
}

std::string ServerProcess::Log() const {
  return testing_support::ReadFile(log_);
}

int RunProgram(const std::vector<std::string>& args, const std::string& outputFile) {
  return Wait(Spawn(args, -1, outputFile));
}

bool HaveChromium() {
  return std::system("command -v chromium > /dev/null 2>&1") == 0;
}

int RunChromium(const std::string& option, const std::string& size, const std::string& url,
                const std::string& output) {
  const testing_support::TempDir profile;
  return RunProgram(
      {"chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
       "--no-first-run", "--disable-background-networking", "--disable-component-update",
       "--disable-sync", "--user-data-dir=" + profile.path(), option, "--window-size=" + size, url},
      output);
}

}  // namespace server_testing
