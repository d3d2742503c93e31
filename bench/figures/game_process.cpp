#include "bench/figures/game_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "bench/figures/process_figures.h"

namespace figures {
namespace {

namespace fs = std::filesystem;

long long NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

fs::path FreshFolder(const char* name) {
  std::string pattern = (fs::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
  return mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
}

pid_t Launch(const std::vector<std::string>& args, const std::string& frameLog) {
  const pid_t child = fork();
  if (child != 0) return child;
  if (!frameLog.empty()) setenv("GLINT_FRAME_LOG", frameLog.c_str(), 1);
  std::freopen("/dev/null", "w", stdout);
  std::freopen("/dev/null", "w", stderr);
  std::vector<char*> argv;
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

}  // namespace

GameRun RunGame(const std::string& settings, double seconds) {
  GameRun run;
  const fs::path user = FreshFolder("glint-figures-user");
  if (!settings.empty()) {
    fs::create_directories(user / "data");
    std::ofstream(user / "data" / "settings.dat", std::ios::binary) << settings;
  }
  const std::string log = (user / "frames.log").string();
  const long long started = NowMs();
  const pid_t game = Launch({GLINT_GAME_BINARY, "--user-dir", user.string()}, log);
  if (game < 0) return run;
  // The fade-in takes 149 frames, about two seconds; the menu is idle after it.
  const double begin = SteadySeconds();
  std::this_thread::sleep_for(std::chrono::milliseconds(3000));
  const double cpuBefore = CpuSeconds(game);
  const double idleFrom = SteadySeconds();
  while (SteadySeconds() - begin < seconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  run.idleCpuPercent = 100.0 * (CpuSeconds(game) - cpuBefore) / (SteadySeconds() - idleFrom);
  run.peakKb = PeakKb(game);
  kill(game, SIGTERM);
  int status = 0;
  waitpid(game, &status, 0);
  run.frames = ReadFrameLog(log);
  run.ran = !run.frames.empty();
  if (run.ran) run.firstPictureMs = static_cast<double>(run.frames.front().shownMs - started);
  if (run.frames.size() > 1) {
    run.afterSplashMs =
        static_cast<double>(run.frames[1].shownMicros - run.frames[0].shownMicros) / 1000.0;
  }
  fs::remove_all(user);
  return run;
}

double HeadlessFramesPerSecond(long frames) {
  const fs::path user = FreshFolder("glint-figures-headless");
  // Into a game, launching every second, until the frames are run.
  std::ofstream script(user / "script.txt");
  script << "until fade == 200 200\nkey 28\nuntil gsPlaying 10\n";
  for (long f = 0; f < frames; f += 77) script << "click left\nframes 77\n";
  script.close();
  const double begin = SteadySeconds();
  const pid_t game =
      Launch({GLINT_GAME_BINARY, "--headless", "--script", (user / "script.txt").string(),
              "--user-dir", user.string(), "--seed", "1"},
             "");
  int status = 0;
  waitpid(game, &status, 0);
  const double elapsed = SteadySeconds() - begin;
  fs::remove_all(user);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? static_cast<double>(frames) / elapsed : 0;
}

}  // namespace figures
