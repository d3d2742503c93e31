#include "server/ReplayCheck.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The game says no more than a line or two; anything past this is not read.
constexpr std::size_t kOutputBytes = 4096;
// How soon a stop is seen while the game plays.
constexpr int kStopCheckMs = 200;

// A scratch folder of its own, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "glintbreaker-check-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct Run {
  int status = 0;          // as waitpid gives it
  bool outlasted = false;  // stopped for taking too long
  bool stopped = false;    // ended because the server stops
  std::string output;      // standard output and error
};

// Runs `args` with the limits of `setup`, its output gathered, killed once past its time or
// when `stop` is set.
Run RunLimited(const ReplayCheckSetup& setup, const std::vector<std::string>& args,
               const std::atomic<bool>& stop) {
  Run run;
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) {
    run.status = -1;
    return run;
  }
  std::vector<char*> argv;
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const rlim_t seconds = static_cast<rlim_t>(setup.timeLimit.count());
  const rlimit cpu{seconds, seconds + 1};
  [[maybe_unused]] const rlimit memory{setup.memoryBytes, setup.memoryBytes};
  const pid_t child = fork();
  if (child == 0) {
    // Between fork and exec only calls that are safe in a copy of a threaded process.
    dup2(out[1], 1);
    dup2(out[1], 2);
    close_range(3, ~0u, 0);
    setrlimit(RLIMIT_CPU, &cpu);
#if !defined(__SANITIZE_ADDRESS__)
    // A sanitizer build's game (built with this server) reserves terabytes of address space for
    // its shadow memory and could not start under the limit; there the time limit alone holds.
    setrlimit(RLIMIT_AS, &memory);
#endif
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  if (child < 0) {
    close(out[0]);
    run.status = -1;
    return run;
  }
  const Clock::time_point deadline = Clock::now() + 2 * setup.timeLimit;
  char buffer[512];
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (stop || left <= 0) {
      kill(child, SIGKILL);
      run.stopped = stop;
      run.outlasted = !stop;
      break;
    }
    pollfd wait{out[0], POLLIN, 0};
    if (poll(&wait, 1, static_cast<int>(std::min<long long>(left, kStopCheckMs))) == 0) continue;
    const ssize_t got = read(out[0], buffer, sizeof buffer);
    if (got <= 0) break;
    if (run.output.size() < kOutputBytes) run.output.append(buffer, static_cast<std::size_t>(got));
  }
  close(out[0]);
  while (waitpid(child, &run.status, 0) < 0 && errno == EINTR) {
  }
  return run;
}

std::string FirstLine(const std::string& text) {
  const std::string line = text.substr(0, text.find('\n'));
  return line.empty() ? "it said nothing" : line;
}

}  // namespace

ReplayVerdict CheckReplay(const ReplayCheckSetup& setup, const std::string& replay,
                          std::int32_t score, const std::atomic<bool>& stop) {
  const ScratchFolder scratch;
  if (scratch.path().empty()) return {ReplayState::Pending, "no scratch folder for the check"};
  const std::string file = scratch.path() + "/record.glr";
  std::ofstream(file, std::ios::binary)
      .write(replay.data(), static_cast<std::streamsize>(replay.size()));
  const Run run = RunLimited(setup,
                             {setup.gameDir + "/glintbreaker", "--headless", "--replay", file,
                              "--game-dir", setup.gameDir, "--user-dir", scratch.path() + "/user"},
                             stop);
  if (run.status == -1) return {ReplayState::Pending, "the game could not be started"};
  if (run.stopped) return {ReplayState::Pending, "the server stopped during the check"};
  const std::string seconds = std::to_string(setup.timeLimit.count());
  if (run.outlasted) return {ReplayState::Flagged, "stopped after " + seconds + " s of waiting"};
  if (WIFSIGNALED(run.status)) {
    return {ReplayState::Flagged, WTERMSIG(run.status) == SIGXCPU || WTERMSIG(run.status) == SIGKILL
                                      ? "stopped after " + seconds + " s of processor time"
                                      : "the game ended on signal " +
                                            std::to_string(WTERMSIG(run.status)) +
                                            " (over its memory?)"};
  }
  const int status = WEXITSTATUS(run.status);
  if (status == 127) return {ReplayState::Pending, "the game could not be started"};
  if (status != 0) return {ReplayState::Flagged, FirstLine(run.output)};
  int played = -1;
  if (std::sscanf(run.output.c_str(), "replay: score %d,", &played) != 1) {
    return {ReplayState::Flagged, FirstLine(run.output)};
  }
  if (played != score) {
    return {ReplayState::Flagged,
            "its game scores " + std::to_string(played) + ", the record " + std::to_string(score)};
  }
  return {ReplayState::Verified, FirstLine(run.output)};
}
